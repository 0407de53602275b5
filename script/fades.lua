-- fades.lua: FadeIn and FadeOut: the opacity stepped by 1 towards a target, with a sleep after every step.
local Build, Helpers = Rividi._Build, Rividi._Helpers
local A, FunctionError = Helpers.A, Helpers.FunctionError
local IsObject, NOOBJ, Application = Rividi.IsObject, Rividi.NOOBJ, Helpers.Application
local ObjectTable, lacks, chained = Rividi._Vars.ObjectTable, Build.lacks, Build.chained
local type = type

-- Whether `value` lies beyond `target` in the direction of `step`, that is has still to move by `step`.
local function short_of(value, target, step)
  if step > 0 then return value < target end
  return value > target
end

-- Steps until the host reports the target reached (true), or until a step leaves the opacity where it was
-- or moves it backwards, so that an object whose opacity does not follow cannot hold the caller (false).
-- The opacity is read from the host for every test and every step.
local function fade(type_table, name, target, delay, step)
  local moved_from
  while true do
    local now = type_table.GetOpacity(name)
    if not short_of(now, target, step) then return true end
    if moved_from ~= nil and not short_of(moved_from, now, step) then return false end
    moved_from = type_table.GetOpacity(name)
    type_table.SetOpacity(name, moved_from + step)
    Application.Sleep(delay)
  end
end

-- A target outside 0 to 100 becomes the default; so does a target or delay that is not a number.
local function fader(description)
  local target_default, delay_default = description.args[1].default, description.args[2].default
  local step = description.step
  return function(self, ...)
    A(IsObject(self) == false, NOOBJ)
    local target, delay = arg[1], arg[2]
    if type(target) ~= "number" then target = target_default end
    if type(delay) ~= "number" then delay = delay_default end
    if target < 0 or target > 100 then target = target_default end
    if lacks(self, "SetOpacity") then FunctionError() end
    return chained(self, { fade(ObjectTable[self.ObjectType], self.ObjectName, target, delay, step) })
  end
end

for i = 1, #Build.geometry_methods do
  local description = Build.geometry_methods[i]
  if description.step then Rividi[description.name] = fader(description) end
end
