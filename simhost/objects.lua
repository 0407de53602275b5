-- objects.lua: a host object as state, and what each type action does to it.
local pairs, type, setmetatable = pairs, type, setmetatable

local objects = {}

-- A deep copy; shared and cyclic parts stay shared and cyclic in the copy.
function objects.copy(value, seen)
  if type(value) ~= "table" then return value end
  seen = seen or {}
  if seen[value] then return seen[value] end
  local result = {}
  seen[value] = result
  for k, v in pairs(value) do result[objects.copy(k, seen)] = objects.copy(v, seen) end
  return result
end

-- An object of type `kind` (a row of constants.types) from its description's properties.
function objects.new(name, kind, properties)
  local props = { X = 0, Y = 0, Width = 100, Height = 30, Visible = true, Enabled = true, Opacity = 100 }
  if kind[4] then props.Text = "" end
  for k, v in pairs(properties or {}) do props[k] = objects.copy(v) end
  return { name = name, kind = kind[3], type = kind[2], props = props, values = {} }
end

-- Actions with behaviour of their own; each takes the object, then the action's arguments after the name.
local specific = {
  GetPos = function(o) return { X = o.props.X, Y = o.props.Y } end,
  SetPos = function(o, x, y) o.props.X, o.props.Y = x, y end,
  GetSize = function(o) return { Width = o.props.Width, Height = o.props.Height } end,
  SetSize = function(o, w, h) o.props.Width, o.props.Height = w, h end,
  IsVisible = function(o) return o.props.Visible end,
  SetVisible = function(o, b) o.props.Visible = b end,
  IsEnabled = function(o) return o.props.Enabled end,
  SetEnabled = function(o, b) o.props.Enabled = b end,
  GetOpacity = function(o) return o.props.Opacity end,
  SetOpacity = function(o, n) o.props.Opacity = n end,
  GetText = function(o) return o.props.Text end,
  SetText = function(o, s) o.props.Text = s end,
  GetProperties = function(o) return objects.copy(o.props) end,
  SetProperties = function(o, t)
    for k, v in pairs(t) do o.props[k] = objects.copy(v) end
  end,
}

-- Actions that take no object name; each takes the action's arguments.
local free = {
  MakeColorRGB = function(r, g, b) return r + g * 256 + b * 65536 end,
  GetFileInfo = function() end,
}

-- Every other action: SetX stores its first argument as the object's value X, GetX and IsX read it back,
-- anything else only happens.
local function generic(action)
  local verb, noun = action:match("^(%u%l*)(%u.*)$")
  if verb == "Set" then
    return function(o, v) o.values[noun] = v end
  elseif verb == "Get" or verb == "Is" then
    return function(o) return o.values[noun] end
  end
  return function() end
end

local cache = setmetatable({}, { __index = function(t, action)
  local f = specific[action] or generic(action)
  t[action] = f
  return f
end })

-- The behaviour of an object action: function(object, ...).
function objects.behaviour(action)
  return cache[action]
end

-- The behaviour of an action without object, or nil when the action takes one.
function objects.free_behaviour(action)
  return free[action]
end

return objects
