-- handles.lua: object handles: making, recognising and detaching them, and one handle per object as a global.
local Helpers, Build = Rividi._Helpers, Rividi._Build
local ObjectTable = Rividi._Vars.ObjectTable
local OBJECT_PLUGIN = Rividi._Vars.ObjectTypes.OBJECT_PLUGIN
local Page, DialogEx = Helpers.Page, Helpers.DialogEx
local IsDialogEx, IsAMSObject, lua_checkvarname = Helpers.IsDialogEx, Helpers.IsAMSObject, Helpers.lua_checkvarname
local make_property_view = Rividi.ReadOnly.make_read_only
local type, tonumber, pairs, error = type, tonumber, pairs, error
local getmetatable, setmetatable = getmetatable, setmetatable

-- The lock's view of Rividi: a handle whose metatable leads to it, while it is the global Rividi, passes
-- every test of IsObject without building views on the way.
local locked
Build.on_lock[#Build.on_lock + 1] = function(view) locked = view end

local function IsObject(hObject)
  if type(hObject) ~= "table" then return false end
  local metatable = getmetatable(hObject)
  if type(metatable) ~= "table" then return false end
  local index = metatable.__index
  if index ~= nil and index == locked and Rividi == locked then return true end
  if type(index) ~= "table" then return false end
  local vars = index._Vars
  if type(vars) ~= "table" then return false end
  local checkpoint = vars.MetatableCheckpoint
  if type(checkpoint) ~= "number" then return false end
  return checkpoint == Rividi._Vars.MetatableCheckpoint
end
Rividi.IsObject = IsObject

local function environment()
  if IsDialogEx() then return DialogEx end
  return Page
end

local NOT_AN_AMS_OBJECT = "Can not create luaobject from non-existing AMS object.\r\n\r\n"
  .. "You could create one using argument 1 as objectname and \r\n"
  .. "argument 2 as proppertiestable and argument 3 as object type."

-- name, properties, object type: checks first, each at the caller's line.
local function check_create_arguments(name, properties, object_type)
  if IsObject(name) then error("This method can not be used as method for existing objects.", 3) end
  if type(name) ~= "string" then error("Argument 1 must be of type string!", 3) end
  if IsAMSObject(name) ~= true and type(properties) ~= "table" then error(NOT_AN_AMS_OBJECT, 3) end
  if properties ~= nil and type(properties) ~= "table" then
    error("Argument 2 must be of type table or left empty!", 3)
  end
  if object_type ~= nil and type(object_type) ~= "number" then
    error("Argument 3 must be of type number or left empty!", 3)
  end
  if type(properties) ~= "table" and type(object_type) == "number" then
    error("Argument 2 must be of type table when argument 3 is given!", 3)
  end
end

local function original_rect(type_table, name)
  if type(type_table.GetSize) ~= "function" then return nil end
  local rect = type_table.GetSize(name)
  rect.X = type_table.GetPos(name).X
  rect.Y = type_table.GetPos(name).Y
  return rect
end

local function Create(...)
  local name, properties, object_type = arg[1], arg[2], arg[3]
  check_create_arguments(name, properties, object_type)
  local env = environment()
  if type(properties) == "table" and type(object_type) == "number" then
    env.CreateObject(object_type, name, properties)
  end
  local found_type = env.GetObjectType(name)
  if found_type == OBJECT_PLUGIN then return false end
  local type_table = ObjectTable[found_type]
  if type(type_table) ~= "table" then
    error('Can not create luaobject for "' .. name .. '": no AMS object of a known type has this name.', 2)
  end
  local handle = {
    ObjectName = name,
    ObjectType = found_type,
    DefaultAppendDelimiter = "",
    OriginalRect = original_rect(type_table, name),
    Properties = type_table.GetProperties(name),
  }
  handle.Properties._objhandle = handle
  handle.Properties = make_property_view(handle.Properties)
  return setmetatable(handle, { __index = Rividi, __type = "zObject" })
end

local function warn(name, what)
  Debug.Print("Warning: Rividi [" .. name .. "] " .. what .. "\r\n")
end

local function InitializeAllObjects(DebugLevel)
  local level = tonumber(DebugLevel)
  local env = environment()
  local enumerate, get_type = env.EnumerateObjects, env.GetObjectType
  local warnings = 0
  local names = enumerate()
  if not names then return 0 end
  for _, name in pairs(names) do
    if get_type(name) ~= OBJECT_PLUGIN then
      if lua_checkvarname(name) then
        if level > 1 and _G[name] ~= nil and _G[name] ~= false then
          warn(name, "Overwritten: This variable already existed in Lua, it has been overwritten!")
          warnings = warnings + 1
        end
        _G[name] = Create(name)
      elseif level > 0 then
        warn(name, "Ignored: Invalid Name!")
        warnings = warnings + 1
      end
    end
  end
  return warnings
end

local function Destroy(self, delete)
  if type(delete) ~= "boolean" then delete = false end
  self:ClearStack()
  if delete then environment().DeleteObject(self.ObjectName) end
  setmetatable(self, { __index = {} })
end

Rividi.InitializeAllObjects = InitializeAllObjects
Rividi.Destroy = Destroy
Rividi.Create = Create
