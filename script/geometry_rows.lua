-- geometry_rows.lua: the geometry, visibility and opacity methods of handles, as data: the rows of the
-- primitives, what the combining methods and the fades take and give, and their messages.
--
-- Primitive rows are in the form that methods.lua reads. Computed methods are described as { name, args =
-- { { name, type [, optional = true] [, default = v] } }, tests = the action of the type table they require,
-- calls = the handle's own methods they use in a level-0 section, results, errors = their own messages }.
-- Run with a stub Rividi = { _Build = {} }, this file only sets fields of Rividi._Build.
local N, B = "number", "boolean"
local NONE = "none"

local Build = Rividi._Build

Build.geometry_rows = {
  { name = "SetPos", check = { N, N }, results = NONE },
  { name = "GetPos" },
  { name = "SetSize", check = { N, N }, results = NONE },
  { name = "GetSize" },
  { name = "IsVisible" },
  { name = "SetVisible", check = { B }, results = NONE },
  { name = "IsEnabled" },
  { name = "SetEnabled", check = { B }, results = NONE },
  { name = "GetOpacity" },
  { name = "SetOpacity", check = { N }, results = NONE },
}

local rect_fields = { "X", "Y", "Width", "Height" }

Build.geometry_methods = {
  { name = "GetRect", args = {}, tests = { "GetSize" }, calls = { "GetSize", "GetPos" },
    results = { "rectangle table" } },
  { name = "SetRect", args = { { "Rect or X", "table or number", optional = true }, { "Y", N, optional = true },
    { "Width", N, optional = true }, { "Height", N, optional = true } }, fields = rect_fields,
    tests = { "SetSize" }, calls = { "GetRect", "SetPos", "SetSize" }, results = {},
    errors = { not_a_number = "Argument %s must be nil or of type number!" } },
  { name = "Center", args = { { "WindowHandle", N } }, tests = { "SetPos" }, calls = { "GetRect", "SetRect" },
    results = {} },
  { name = "CenterRelative", args = { { "Object", "string or object handle" } }, tests = { "SetPos" },
    calls = { "GetRect", "SetRect" }, results = {},
    errors = {
      not_an_object = "Argument 1 must be an existing AMS object!",
      same_object = "Argument 1 can not be the same as this object!",
      invalid_handle = "Given object is not valid!!",
      wrong_type = "Argument 1 must be of type string or an objecthandle!",
      plugin = "Argument 1 can not be a plugin object!",
    } },
  { name = "RestoreOriginalRect", args = {}, tests = { "SetSize" }, calls = { "SetRect" }, results = {} },
  { name = "ToggleVisible", args = {}, tests = { "SetVisible" }, calls = { "IsVisible", "SetVisible" },
    results = {}, get = "IsVisible", set = "SetVisible" },
  { name = "ToggleEnabled", args = {}, tests = { "SetEnabled" }, calls = { "IsEnabled", "SetEnabled" },
    results = {}, get = "IsEnabled", set = "SetEnabled" },
  -- The fades step the opacity by 1 towards the target, sleeping `Delay` ms after each step. true when the
  -- target is reached, false when a step did not move the opacity towards it (the object does not follow).
  { name = "FadeIn", args = { { "Opacity", N, default = 100 }, { "Delay", N, default = 10 } }, tests = { "SetOpacity" },
    results = { B }, step = 1 },
  { name = "FadeOut", args = { { "Opacity", N, default = 0 }, { "Delay", N, default = 10 } }, tests = { "SetOpacity" },
    results = { B }, step = -1 },
}
