-- events.lua: event scripts, clicks, focus and z-order through the actions of the page or the shown dialog,
-- and Windows' window properties through the host's DLL.CallFunction.
local Build, Helpers = Rividi._Build, Rividi._Helpers
local Application, Page, DialogEx = Helpers.Application, Helpers.Page, Helpers.DialogEx
local check_args, positions, fill_defaults, chained = Build.check_args, Build.positions, Build.fill_defaults,
  Build.chained
local unpack, tostring, tonumber = unpack, tostring, tonumber

-- The action table of the place where the objects live now: the shown dialog's, else the page's.
local function ReturnEnvironment()
  if Application.GetCurrentDialog() ~= "" then return DialogEx end
  return Page
end
Helpers.ReturnEnvironment = ReturnEnvironment

local NO_RESULTS = {}

-- No handle check and no availability test: any object the environment knows by the handle's name.
local function event_method(row)
  local check, defaults = row.check or {}, row.defaults or {}
  local check_count, count = #check, positions(check, defaults)
  local action_name, checks_first, all = row.action, row.checks_first, row.results ~= "none"
  return function(self, ...)
    local environment
    if not checks_first then environment = ReturnEnvironment() end
    if check_count > 0 then check_args(arg, check, check_count) end
    fill_defaults(arg, defaults)
    if checks_first then environment = ReturnEnvironment() end
    local action = environment[action_name]
    if all then return chained(self, { action(self.ObjectName, unpack(arg, 1, count)) }) end
    action(self.ObjectName, unpack(arg, 1, count))
    return chained(self, NO_RESULTS)
  end
end

for i = 1, #Build.event_rows do
  local row = Build.event_rows[i]
  Rividi[row.name] = event_method(row)
end

-- A helper of arguments (window handle, name[, value]): the parameter string hwnd,"name"[,value] for the
-- user32 function, the host's DLL, return-type constant and calling convention read at the call. The name
-- is joined as it is (a string or a number; nil raises).
local function window_property(row)
  local fn, with_value, returns, number = row.fn, row.with_value, row.returns, row.number
  return function(...)
    local parameters = tostring(arg[1]) .. ',"' .. arg[2] .. '"'
    if with_value then parameters = parameters .. "," .. tostring(arg[3]) end
    if not number then return DLL.CallFunction("user32.dll", fn, parameters, _G[returns], DLL_CALL_STDCALL) end
    local reply = DLL.CallFunction("user32.dll", fn, parameters, _G[returns], DLL_CALL_STDCALL)
    return tonumber(reply)
  end
end

-- The handle methods of the same names check nothing and call nothing: only the chained return.
local function chain_only(self)
  return chained(self, NO_RESULTS)
end

for i = 1, #Build.window_property_rows do
  local row = Build.window_property_rows[i]
  Helpers[row.name] = window_property(row)
  Rividi[row.name] = chain_only
end
