-- checks.lua: the receiver and argument checks of handle methods, and the message formatter.
local Errors, Helpers, Build = Rividi.Errors, Rividi._Helpers, Rividi._Build
local R, T, TC = Errors.R, Errors.T, Helpers.TC
local type, error = type, error

local function Format(s, n)
  return R(s, "%s", T(n))
end
Errors.Format = Format

-- Raises StringError at the line that called the method, only while errors are not suppressed.
function Helpers.A(bCond, StringError)
  if type(ZOBJECT_SURPRESS_ERRORS) ~= "boolean" then ZOBJECT_SURPRESS_ERRORS = false end
  if bCond == true and ZOBJECT_SURPRESS_ERRORS == false then error(StringError, 3) end
end

local type_messages = { string = Errors.StringError, table = Errors.TableError, boolean = Errors.BoolError }

local function mismatch_message(expected, position)
  return Format(type_messages[expected] or Errors.NumberError, position)
end

function Helpers.CheckArgs(tArgs, tCheck)
  for i = 1, TC(tCheck) do
    if type(tArgs[i]) ~= tCheck[i] then error(mismatch_message(tCheck[i], i), 3) end
  end
end

function Helpers.FunctionError()
  error("This objecttype does not support this function!", 3)
end

-- CheckArgs for lists of known length, as the method frame uses it (no host call to count the list).
function Build.check_args(tArgs, tCheck, count)
  for i = 1, count do
    if type(tArgs[i]) ~= tCheck[i] then error(mismatch_message(tCheck[i], i), 3) end
  end
end
