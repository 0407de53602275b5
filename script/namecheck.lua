-- namecheck.lua: whether a text can be a Lua global's name (InitializeAllObjects names its globals so).
local Helpers = Rividi._Helpers
local TC, String, char = Helpers.TC, Helpers.String, string.char

local function append(list, value)
  list[TC(list) + 1] = value
end

local function append_characters(list, first_code, last_code)
  for code = first_code, last_code do append(list, char(code)) end
end

local vntable = {
  Keywords = { "and", "break", "do", "else", "elseif", "end", "false", "for", "function", "if", "this",
    "in", "local", "nil", "not", "or", "repeat", "return", "then", "true", "until", "while" },
  RegisteredFunctions = {},
  Numbers = {},
  NotAllowed = {},
}
append_characters(vntable.Numbers, 48, 57)
local not_allowed_ranges = { 1, 47, 58, 64, 91, 94, 123, 255, 96, 96 }
for i = 1, #not_allowed_ranges, 2 do
  append_characters(vntable.NotAllowed, not_allowed_ranges[i], not_allowed_ranges[i + 1])
end
Helpers.lua_checkvntable = vntable

local function contains(list, value)
  for i = 1, #list do
    if list[i] == value then return true end
  end
  return false
end

-- true, or false and the reason.
function Helpers.lua_checkvarname(s)
  if String.Find(s, " ") ~= -1 then return false, "Space found in name" end
  if contains(vntable.Numbers, String.Left(s, 1)) then return false, "Number at start" end
  local not_allowed = vntable.NotAllowed
  for i = 1, #not_allowed do
    if String.Find(s, not_allowed[i], 1, true) ~= -1 then return false, "Illegal character(s)" end
  end
  if contains(vntable.Keywords, s) then return false, "Keyword" end
  return true
end
