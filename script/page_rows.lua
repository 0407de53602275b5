-- page_rows.lua: the methods of page and dialog handles, as data, and what GetPageHandle, GetDialogHandle
-- and EasterEgg take and give.
--
-- A method row: name; calls, "Table.Action" of what a page handle calls (default "Page.<name>"; a dialog
-- handle calls the DialogEx action of the same name unless its `dialog` fields say otherwise); object = true
-- when argument 1 may be an object handle, passed on as its ObjectName; check, the types of the required
-- leading arguments; defaults, { position, type, value } (a value of another type is replaced); order, the
-- argument positions in the order the action receives them (default 1 to the highest position named);
-- with_name = true to pass the handle's Name first; results, "all" (default), "none" or "direct" (returned
-- as they are, never chained); dialog, fields that differ for dialog handles; dialog_only = true for methods
-- that page handles lack; computed = true for a method written out in pages.lua.
-- Run with a stub Rividi = { _Build = {} }, this file only sets fields of Rividi._Build.
local N, S, T, B = "number", "string", "table", "boolean"
local NONE = "none"

local Build = Rividi._Build

Build.page_rows = {
  { name = "ClickObject", object = true, check = { S }, results = NONE },
  { name = "CreateObject", calls = "Rividi.Create", check = { N, S, T }, order = { 2, 3, 1 },
    dialog = { calls = "Rividi.Create", results = "direct" } },
  { name = "DeleteObject", object = true, check = { S }, results = NONE },
  { name = "EnumerateObjects" },
  { name = "GetFocus" },
  { name = "GetObjectScript", object = true, check = { S, S } },
  { name = "GetObjectType", object = true, check = { S } },
  { name = "GetRadioValue", defaults = { { 1, S, "" }, { 2, N, 0 } } },
  { name = "GetSize" },
  { name = "Print", defaults = { { 1, B, true }, { 2, B, true } } },
  { name = "Redraw", results = NONE },
  { name = "SetFocus", object = true, check = { S }, results = NONE },
  { name = "SetObjectScript", object = true, check = { S, S, S }, results = NONE },
  { name = "SetObjectZOrder", object = true, check = { S, N }, defaults = { { 3, S, "" } }, results = NONE },
  { name = "SetRadioValue", check = { S }, defaults = { { 2, S, "" }, { 3, N, 0 } }, results = NONE },
  { name = "StartTimer", defaults = { { 1, N, 1000 } }, results = NONE },
  { name = "StopTimer", results = NONE },
  { name = "SetProperties", calls = "Application.SetPageProperties", with_name = true, check = { T },
    results = NONE, dialog = { calls = "Application.SetDialogProperties" } },
  { name = "Close", dialog_only = true, defaults = { { 1, N, 0 } }, results = NONE },
  { name = "GetWndHandle", dialog_only = true },
  { name = "Destroy", computed = true, results = "direct" },
}

-- The functions around page and dialog handles, described as { name, args, results, errors }.
Build.page_functions = {
  { name = "GetPageHandle", args = {}, results = { "page handle" }, chain = "direct",
    errors = { in_dialog = "This function can be called from a page only!" } },
  { name = "GetDialogHandle", args = {}, results = { "dialog handle" }, chain = "direct",
    errors = { outside_dialog = "This function can be called from a dialog only!" } },
  { name = "EasterEgg", path = "Vars.CodeChunks.ByteVars.Cake.SheepGoToHeaven.GoatsGoToHell", args = {},
    results = {}, chain = "direct",
    message = { title = "Ohmygawd!", text = "You actually found this nutty egg!" } },
}
