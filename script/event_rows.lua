-- event_rows.lua: the handle methods that act through the page's or the shown dialog's actions, and the
-- window-property helpers, as data.
--
-- An event row: name; action, the Page or DialogEx action it calls with the object name first; check, the
-- types of the required leading arguments; defaults, { position, type, value } (a value of another type is
-- replaced); results, "all" or "none"; checks_first = true to check the arguments before the environment
-- is chosen (otherwise it is chosen first). No handle check and no availability test.
-- A window-property row: name (in Rividi._Helpers and as a handle method); fn, the user32 function;
-- with_value = true for a third argument joined after the name; returns, the name of the host's return-type
-- constant; number = true to convert the reply with tonumber. The handle methods of the same names only
-- return through the result chain. Run with a stub Rividi = { _Build = {} }, this file only sets fields
-- of Rividi._Build.
local N, S = "number", "string"
local NONE = "none"

local Build = Rividi._Build

Build.event_rows = {
  { name = "SetScript", action = "SetObjectScript", check = { S, S }, results = NONE },
  { name = "GetScript", action = "GetObjectScript", check = { S } },
  { name = "Click", action = "ClickObject" },
  { name = "Focus", action = "SetFocus" },
  { name = "SetZOrder", action = "SetObjectZOrder", check = { N }, defaults = { { 2, S, "" } }, results = NONE,
    checks_first = true },
}

Build.window_property_rows = {
  { name = "RemoveProp", fn = "RemovePropA", returns = "DLL_RETURN_TYPE_INTEGER" },
  { name = "SetProp", fn = "SetPropA", with_value = true, returns = "DLL_RETURN_TYPE_INTEGER" },
  { name = "GetProp", fn = "GetPropA", returns = "DLL_RETURN_TYPE_LONG", number = true },
}
