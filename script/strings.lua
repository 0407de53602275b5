-- strings.lua: the string utilities of handles, made from their rows: a host String action applied to the
-- object's text, whose result is written back (writers) or returned (readers).
local Build, Helpers = Rividi._Build, Rividi._Helpers
local A, FunctionError, check_args = Helpers.A, Helpers.FunctionError, Build.check_args
local IsObject, NOOBJ, String = Rividi.IsObject, Rividi.NOOBJ, Helpers.String
local level_zero, lacks, chained = Build.level_zero, Build.lacks, Build.chained
local positions, fill_defaults = Build.positions, Build.fill_defaults
local unpack = unpack

local NO_RESULTS = {}

-- The work of a utility, at chain level 0: one host call on the text (or the arguments alone), and the
-- result written back by a writer. Returns the result.
local function worker(row, count)
  local action_name, writes, reads_text = row.name, row.kind == "writer", row.reads_text ~= false
  return function(self, tArgs)
    local n = count
    if n == "all" then n = tArgs.n end
    local result
    if reads_text then
      result = String[action_name](self:GetText(), unpack(tArgs, 1, n))
    else
      result = String[action_name](unpack(tArgs, 1, n))
    end
    if writes then self:SetText(result) end
    return result
  end
end

-- SplitPath's work: the parts named by the codes among the arguments, in their order, one host call each.
local function path_worker(parts)
  local field_of = {}
  for i = 1, #parts do field_of[parts[i][2]] = parts[i][3] end
  return function(self, tArgs)
    local text, result = self:GetText(), ""
    for i = 1, tArgs.n do
      local code = tArgs[i]
      local field = code ~= nil and field_of[code]
      if field then result = result .. String.SplitPath(text)[field] end
    end
    self:SetText(result)
  end
end

local function utility(row)
  local check, defaults = row.check or {}, row.defaults or {}
  local check_count = #check
  local work = row.parts and path_worker(row.parts) or worker(row, row.count or positions(check, defaults))
  local writes = row.kind == "writer"
  return function(self, ...)
    A(IsObject(self) == false, NOOBJ)
    if check_count > 0 then check_args(arg, check, check_count) end
    fill_defaults(arg, defaults)
    if lacks(self, "GetText") or lacks(self, "SetText") then FunctionError() end
    local result = level_zero(work, self, arg)
    if writes then return chained(self, NO_RESULTS) end
    return chained(self, { result })
  end
end

-- In the order of the rows; SplitPath's path part codes become globals just before it is attached.
local rows = Build.string_rows
for i = 1, #rows do
  local row = rows[i]
  if row.parts then
    for j = 1, #row.parts do _G[row.parts[j][1]] = row.parts[j][2] end
  end
  Rividi[row.name] = utility(row)
end
