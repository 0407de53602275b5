-- pages.lua: page and dialog handles: making them, their methods made from their rows, and EasterEgg.
local Build, Helpers = Rividi._Build, Rividi._Helpers
local check_args, IsObject, Create = Build.check_args, Rividi.IsObject, Rividi.Create
local positions, fill_defaults, chained = Build.positions, Build.fill_defaults, Build.chained
local IsDialogEx, Application = Helpers.IsDialogEx, Helpers.Application
local make_page_view = Rividi.PD.ReadOnly.make_read_only
local grid_table = Rividi._Vars.ObjectTable[Rividi._Vars.ObjectTypes.OBJECT_GRID]
local unpack, error, setmetatable = unpack, error, setmetatable

local hosts = { Page = Helpers.Page, DialogEx = Helpers.DialogEx, Application = Application,
  Rividi = { Create = Create } }

local function descriptor(list, name)
  for i = 1, #list do
    if list[i].name == name then return list[i] end
  end
end

-- What a row calls for one of the two sets ("Page" or "DialogEx"), and how it returns.
local function form_of(row, set)
  local calls, results = set .. "." .. row.name, row.results or "all"
  if set == "Page" and row.calls then calls = row.calls end
  if set == "DialogEx" and row.dialog then
    calls, results = row.dialog.calls or calls, row.dialog.results or results
  end
  local table_name, action = calls:match("^(%a+)%.(%a+)$")
  return hosts[table_name], action, results
end

local function identity_order(count)
  local order = {}
  for i = 1, count do order[i] = i end
  return order
end

-- The action's arguments: the handle's Name when the row says so, then the positions in the row's order.
local function arguments_of(self, tArgs, order, with_name)
  local values, n = {}, 0
  if with_name then
    n = 1
    values[1] = self.Name
  end
  for i = 1, #order do values[n + i] = tArgs[order[i]] end
  return values, n + #order
end

local function pass(...) return ... end

-- No handle check and no availability test: the host's tables as the script found them at start-up.
local function page_method(row, set)
  local host, action_name, results = form_of(row, set)
  local check, defaults = row.check or {}, row.defaults or {}
  local check_count, object, with_name = #check, row.object, row.with_name
  local order = row.order or identity_order(positions(check, defaults))
  return function(self, ...)
    if object and IsObject(arg[1]) then arg[1] = arg[1].ObjectName end
    if check_count > 0 then check_args(arg, check, check_count) end
    fill_defaults(arg, defaults)
    local values, n = arguments_of(self, arg, order, with_name)
    local action = host[action_name]
    -- Not a tail call, so that an error the action raises at level 2 still has this frame to name.
    if results == "direct" then return pass(action(unpack(values, 1, n))) end
    if results == "none" then
      action(unpack(values, 1, n))
      return chained(self, {})
    end
    return chained(self, { action(unpack(values, 1, n)) })
  end
end

-- The handle loses its methods; Name, Type and Properties stay readable.
local function Destroy(self)
  setmetatable(self, { __index = {} })
end

local function fill_set(methods, set)
  local rows = Build.page_rows
  for i = 1, #rows do
    local row = rows[i]
    if row.computed then
      methods[row.name] = Destroy
    elseif set == "DialogEx" or not row.dialog_only then
      methods[row.name] = page_method(row, set)
    end
  end
end

local functions = Build.page_functions

-- methods: the locked view of Rividi.PD.Page or Rividi.PD.DialogEx, as Rividi gives it now.
local function new_handle(name, properties, type_number, methods)
  local handle = { Name = name, Properties = properties, Type = type_number }
  properties._objhandle = handle
  handle.Properties = make_page_view(properties)
  return setmetatable(handle, { __index = methods, __type = "zObjectPD" })
end

local IN_DIALOG = descriptor(functions, "GetPageHandle").errors.in_dialog
local OUTSIDE_DIALOG = descriptor(functions, "GetDialogHandle").errors.outside_dialog

local function GetPageHandle()
  if IsDialogEx() then error(IN_DIALOG, 2) end
  local name = Application.GetCurrentPage()
  return new_handle(name, Application.GetPageProperties(name), 0, Rividi.PD.Page)
end

local function GetDialogHandle()
  if not IsDialogEx() then error(OUTSIDE_DIALOG, 2) end
  local name = Application.GetCurrentDialog()
  return new_handle(name, Application.GetDialogProperties(name), 1, Rividi.PD.DialogEx)
end

local EGG_MESSAGE = descriptor(functions, "EasterEgg").message

-- Every write goes through the page property view: a whole read and write-back of the properties.
local function EasterEgg()
  local h
  if IsDialogEx() then h = GetDialogHandle() else h = GetPageHandle() end
  h.Properties.BackgroundType = BG_GRADIENT
  for i = 255, 0, -1 do h.Properties.GradientColorTop = grid_table.MakeColorRGB(i, i, i) end
  for i = 206, 0, -1 do h.Properties.BackgroundColor = grid_table.MakeColorRGB(i, i, i) end
  for i = 0, 192 do h.Properties.BackgroundColor = grid_table.MakeColorRGB(i, 0, 0) end
  Dialog.Message(EGG_MESSAGE.title, EGG_MESSAGE.text, MB_OK, MB_ICONEXCLAMATION)
  h:Destroy()
end

Rividi.GetPageHandle = GetPageHandle
fill_set(Rividi.PD.Page, "Page")
Rividi.GetDialogHandle = GetDialogHandle
fill_set(Rividi.PD.DialogEx, "DialogEx")
Rividi.Vars.CodeChunks.ByteVars.Cake.SheepGoToHeaven.GoatsGoToHell.EasterEgg = EasterEgg
