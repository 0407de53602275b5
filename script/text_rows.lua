-- text_rows.lua: the text methods of handles, as data: the rows of GetText and SetText, what the computed
-- text methods take and give, and how ClearContents empties each object type.
--
-- Computed methods are described as { name, args = { { name, type [, optional = true] [, default = v] } },
-- tests = the actions of the type table they require, calls = the handle's own methods they use in a
-- level-0 section, results = what they return after the chained handle (empty: nothing) }.
-- Run with a stub Rividi = { _Build = {} }, this file only sets fields of Rividi._Build.
local S, B = "string", "boolean"

local Build = Rividi._Build

-- Rows in the form that methods.lua reads.
Build.text_rows = {
  { name = "GetText", results = "first", count = 0,
    special = { type = "OBJECT_RICHTEXT", defaults = { { 1, B, true } } } },
  { name = "SetText", check = { S }, results = "none",
    special = { type = "OBJECT_RICHTEXT", defaults = { { 2, B, true } } } },
}

Build.text_methods = {
  { name = "SetAppendDelimiter", args = { { "Delimiter", S } }, tests = { "SetText" }, results = {} },
  { name = "Append", args = { { "Text", S }, { "Delimiter", S, optional = true, default = "DefaultAppendDelimiter" } },
    tests = { "SetText" }, calls = { "GetText", "SetText" }, results = {} },
  { name = "ClearContents", args = {}, tests = {}, calls = { "SetText", "RemoveNode", "DeleteItem", "ResetContent",
    "DeleteSlide", "DeleteAllItems" }, results = {} },
}

-- ClearContents: the handle's method and its argument for each object type; other types are left alone.
Build.clear_contents = {
  { method = "SetText", argument = "", types = { "OBJECT_INPUT", "OBJECT_RICHTEXT", "OBJECT_PARAGRAPH",
    "OBJECT_BUTTON", "OBJECT_LABEL", "OBJECT_PROGRESS", "OBJECT_RADIOBUTTON", "OBJECT_CHECKBOX" } },
  { method = "RemoveNode", argument = "0", types = { "OBJECT_TREE" } },
  { method = "DeleteItem", argument = -1, types = { "OBJECT_LISTBOX" } },
  { method = "ResetContent", types = { "OBJECT_COMBOBOX" } },
  { method = "DeleteSlide", argument = -1, types = { "OBJECT_SLIDESHOW" } },
  { method = "DeleteAllItems", types = { "OBJECT_GRID" } },
}
