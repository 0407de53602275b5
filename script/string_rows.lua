-- string_rows.lua: the string utilities of handles, as data: each applies one of the host's String actions
-- to the object's text.
--
-- A row: name (also the String action's name); check, the types of the required leading arguments; defaults,
-- { position, type, value } (a value of another type is replaced); count, how many argument positions the
-- action receives after the text (default: the highest position named; "all": every argument of the call);
-- kind, "writer" (the result becomes the object's text; the method returns nothing of its own) or "reader"
-- (the result is returned); reads_text = false for an action given its arguments alone; parts, for SplitPath:
-- { global, code, field of String.SplitPath's table }, the globals being set just before SplitPath is attached.
-- Every utility requires GetText and SetText in the handle's type table. Run with a stub
-- Rividi = { _Build = {} }, this file only sets Rividi._Build.string_rows.
local N, S, T, B = "number", "string", "table", "boolean"
local WRITER, READER = "writer", "reader"

Rividi._Build.string_rows = {
  { name = "AbbreviateFilePath", check = { N }, kind = WRITER },
  { name = "Mid", check = { N, N }, count = "all", kind = WRITER },
  { name = "SplitPath", kind = WRITER, parts = {
    { "ZOBJECT_FILENAME", 0, "Filename" }, { "ZOBJECT_EXTENSION", 1, "Extension" },
    { "ZOBJECT_DRIVE", 2, "Drive" }, { "ZOBJECT_FOLDER", 3, "Folder" } } },
  { name = "Right", check = { N }, kind = WRITER },
  { name = "Left", check = { N }, kind = WRITER },
  { name = "CompareFileVersions", check = { S }, kind = READER },
  { name = "ToNumber", kind = READER },
  { name = "Replace", check = { S, S }, defaults = { { 3, B, false } }, kind = WRITER },
  { name = "Length", kind = READER },
  { name = "Lower", kind = WRITER },
  { name = "Upper", kind = WRITER },
  { name = "CompareNoCase", check = { S }, kind = READER },
  { name = "Compare", check = { S }, kind = READER },
  { name = "TrimLeft", defaults = { { 1, S, nil } }, kind = WRITER },
  { name = "TrimRight", defaults = { { 1, S, nil } }, kind = WRITER },
  { name = "Find", check = { S }, defaults = { { 2, N, 1 }, { 3, B, false } }, kind = READER },
  { name = "ReverseFind", check = { S }, defaults = { { 2, B, false } }, kind = READER },
  { name = "MakePath", check = { T }, reads_text = false, kind = WRITER },
}
