-- text.lua: an object's text: reading and writing it (rich text takes the rich-text flag, default true),
-- appending with the handle's delimiter, and emptying an object the way its type requires.
local Build, Helpers = Rividi._Build, Rividi._Helpers
local A, FunctionError, check_args = Helpers.A, Helpers.FunctionError, Build.check_args
local IsObject, NOOBJ, STRING = Rividi.IsObject, Rividi.NOOBJ, Rividi.STRING
local ObjectTypes = Rividi._Vars.ObjectTypes
local level_zero, lacks, chained = Build.level_zero, Build.lacks, Build.chained
local type = type

Build.attach(Build.text_rows)

local NO_RESULTS = {}
local ONE_STRING = { STRING }
local RICHTEXT = ObjectTypes.OBJECT_RICHTEXT

function Rividi.SetAppendDelimiter(self, ...)
  A(IsObject(self) == false, NOOBJ)
  check_args(arg, ONE_STRING, 1)
  if lacks(self, "SetText") then FunctionError() end
  self.DefaultAppendDelimiter = arg[1]
  return chained(self, NO_RESULTS)
end

local function append(self, text, delimiter, flag)
  self:SetText(self:GetText(flag) .. delimiter .. text, flag)
end

-- Rich text is read and written with the flag false here, unlike GetText and SetText called alone.
function Rividi.Append(self, ...)
  A(IsObject(self) == false, NOOBJ)
  local delimiter = self.DefaultAppendDelimiter
  local flag
  if self.ObjectType == RICHTEXT then flag = false end
  check_args(arg, ONE_STRING, 1)
  if type(arg[2]) == "string" then delimiter = arg[2] end
  if lacks(self, "SetText") then FunctionError() end
  level_zero(append, self, arg[1], delimiter, flag)
  return chained(self, NO_RESULTS)
end

-- Object type -> the row of Build.clear_contents that empties it.
local clearing = {}
for i = 1, #Build.clear_contents do
  local row = Build.clear_contents[i]
  for j = 1, #row.types do clearing[ObjectTypes[row.types[j]]] = row end
end

local function clear(self, row)
  if row.argument == nil then self[row.method](self) else self[row.method](self, row.argument) end
end

-- The inner method runs its own checks and availability test.
function Rividi.ClearContents(self)
  A(IsObject(self) == false, NOOBJ)
  local row = clearing[self.ObjectType]
  if row then level_zero(clear, self, row) end
  return chained(self, NO_RESULTS)
end
