-- geometry.lua: an object's position, size, visibility and enabled state: the primitives made from their
-- rows, and the methods that combine them (rectangles, centring, the original rectangle, toggles).
local Build, Helpers = Rividi._Build, Rividi._Helpers
local A, FunctionError, check_args = Helpers.A, Helpers.FunctionError, Build.check_args
local IsObject, Create, NOOBJ, NUMBER = Rividi.IsObject, Rividi.Create, Rividi.NOOBJ, Rividi.NUMBER
local IsAMSObject, Window, Format = Helpers.IsAMSObject, Helpers.Window, Rividi.Errors.Format
local level_zero, lacks, chained = Build.level_zero, Build.lacks, Build.chained
local type, error = type, error

Build.attach(Build.geometry_rows)

local described = {}
for i = 1, #Build.geometry_methods do
  local d = Build.geometry_methods[i]
  described[d.name] = d
end

local NO_RESULTS = {}
local ONE_NUMBER = { NUMBER }

local function rect_of(self)
  local rect = self:GetSize()
  rect.X = self:GetPos().X
  rect.Y = self:GetPos().Y
  return rect
end

function Rividi.GetRect(self)
  A(IsObject(self) == false, NOOBJ)
  if lacks(self, "GetSize") then FunctionError() end
  return chained(self, { level_zero(rect_of, self) })
end

local RECT_FIELDS = described.SetRect.fields
local NOT_A_NUMBER = described.SetRect.errors.not_a_number

local function number_or_nil(value)
  if type(value) == "number" then return value end
end

-- Values that are not numbers take the object's current ones; position and size are both written.
local function apply_rect(self, values)
  local current = self:GetRect()
  for i = 1, 4 do
    if type(values[i]) ~= "number" then values[i] = current[RECT_FIELDS[i]] end
  end
  self:SetPos(values[1], values[2])
  self:SetSize(values[3], values[4])
end

-- A rectangle table, or up to four numbers (X, Y, Width, Height), each of which may be nil.
function Rividi.SetRect(self, ...)
  A(IsObject(self) == false, NOOBJ)
  local values = { arg[1], arg[2], arg[3], arg[4] }
  if type(arg[1]) == "table" then
    for i = 1, 4 do values[i] = number_or_nil(arg[1][RECT_FIELDS[i]]) end
  end
  for i = 1, 4 do
    if values[i] ~= nil and type(values[i]) ~= "number" then error(Format(NOT_A_NUMBER, i), 2) end
  end
  if lacks(self, "SetSize") then FunctionError() end
  level_zero(apply_rect, self, values)
  return chained(self, NO_RESULTS)
end

-- Halves are not rounded: the host receives them as they are.
local function center_in(self, window_handle)
  local rect = self:GetRect()
  local window = Window.GetSize(window_handle)
  rect.X = window.Width / 2 - rect.Width / 2
  rect.Y = window.Height / 2 - rect.Height / 2
  self:SetRect(rect)
end

function Rividi.Center(self, ...)
  A(IsObject(self) == false, NOOBJ)
  check_args(arg, ONE_NUMBER, 1)
  if lacks(self, "SetPos") then FunctionError() end
  level_zero(center_in, self, arg[1])
  return chained(self, NO_RESULTS)
end

-- The temporary handle for the reference is destroyed afterwards, which empties the stack of its name.
local function center_on(self, reference)
  local rect, around = self:GetRect(), reference:GetRect()
  rect.X = around.Width / 2 - rect.Width / 2 + around.X
  rect.Y = around.Height / 2 - rect.Height / 2 + around.Y
  self:SetRect(rect)
  reference:Destroy(false)
end

local RELATIVE_ERRORS = described.CenterRelative.errors

-- The reference: an object's name or a handle for another object, measured through a temporary handle.
function Rividi.CenterRelative(self, ...)
  A(IsObject(self) == false, NOOBJ)
  local target = arg[1]
  local name
  if type(target) == "string" then
    if IsAMSObject(target) ~= true then error(RELATIVE_ERRORS.not_an_object, 2) end
    if target == self.ObjectName then error(RELATIVE_ERRORS.same_object, 2) end
    name = target
  elseif type(target) == "table" then
    if IsObject(target) == false then error(RELATIVE_ERRORS.invalid_handle, 2) end
    if self.ObjectName == target.ObjectName then error(RELATIVE_ERRORS.same_object, 2) end
    name = target.ObjectName
  else
    error(RELATIVE_ERRORS.wrong_type, 2)
  end
  if lacks(self, "SetPos") then FunctionError() end
  local reference = Create(name)
  if reference == false then error(RELATIVE_ERRORS.plugin, 2) end
  level_zero(center_on, self, reference)
  return chained(self, NO_RESULTS)
end

local function restore(self)
  self:SetRect(self.OriginalRect)
end

function Rividi.RestoreOriginalRect(self)
  A(IsObject(self) == false, NOOBJ)
  if lacks(self, "SetSize") then FunctionError() end
  level_zero(restore, self)
  return chained(self, NO_RESULTS)
end

local function toggle(description)
  local get, set = description.get, description.set
  local function flip(self)
    self[set](self, not self[get](self))
  end
  return function(self)
    A(IsObject(self) == false, NOOBJ)
    if lacks(self, set) then FunctionError() end
    level_zero(flip, self)
    return chained(self, NO_RESULTS)
  end
end

Rividi.ToggleVisible = toggle(described.ToggleVisible)
Rividi.ToggleEnabled = toggle(described.ToggleEnabled)
