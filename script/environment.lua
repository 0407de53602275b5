-- environment.lua: where the objects live (a shown dialog or the page) and whether a name is a host object.
local Helpers = Rividi._Helpers
local Application, Page, DialogEx = Helpers.Application, Helpers.Page, Helpers.DialogEx
local ObjectTable = Rividi._Vars.ObjectTable
local type = type

local function IsDialogEx()
  return Application.GetCurrentDialog() ~= ""
end
Helpers.IsDialogEx = IsDialogEx

-- True when the host has an object of that name with a position.
function Helpers.IsAMSObject(name)
  local get_type = IsDialogEx() and DialogEx.GetObjectType or Page.GetObjectType
  local type_table = ObjectTable[get_type(name)]
  return type(type_table) == "table" and type(type_table.GetPos) == "function"
    and type(type_table.GetPos(name)) == "table"
end
