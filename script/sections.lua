-- sections.lua: what computed methods share: the level-0 section around their inner calls, the availability
-- test of a named action, the chained return of a result list, and argument defaults.
local Build = Rividi._Build
local GenerateChain, ObjectTable = Rividi.GenerateChain, Rividi._Vars.ObjectTable
local type, unpack, pcall, error = type, unpack, pcall, error

local function restore_level(level, ok, ...)
  ZOBJECT_CODE_CHAINING = level
  if not ok then error((...), 0) end
  return ...
end

-- Runs body(...) at chain level 0, so that the handle's own methods called in it return plain results and
-- record nothing, and puts the level back afterwards, also when the body raises.
function Build.level_zero(body, ...)
  local level = ZOBJECT_CODE_CHAINING
  ZOBJECT_CODE_CHAINING = 0
  return restore_level(level, pcall(body, ...))
end

-- True when the handle's type table has no function `action`. The method itself then calls FunctionError,
-- whose level 3 is the line that called the method.
function Build.lacks(self, action)
  return type(ObjectTable[self.ObjectType][action]) ~= "function"
end

function Build.chained(self, results)
  return unpack(GenerateChain(self, results))
end

-- The highest argument position that a list of required types and a list of defaults name.
function Build.positions(check, defaults)
  local count = #check
  for i = 1, #defaults do
    if defaults[i][1] > count then count = defaults[i][1] end
  end
  return count
end

-- Defaults { position, type, value } or { position, type, global = name }: a value of another type at that
-- position (nor of the type `also`, when given) is replaced by the value, or by the host global of that name
-- as it is at the call.
function Build.fill_defaults(tArgs, defaults)
  for i = 1, #defaults do
    local d = defaults[i]
    local position = d[1]
    local given = type(tArgs[position])
    if given ~= d[2] and given ~= d.also then
      if d.global then tArgs[position] = _G[d.global] else tArgs[position] = d[3] end
    end
  end
end
