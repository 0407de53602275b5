-- text.lua: reading and writing an object's text; rich text takes the rich-text flag (default true).
Rividi._Build.attach({
  { name = "GetText", results = "first", count = 0,
    special = { type = "OBJECT_RICHTEXT", defaults = { { 1, "boolean", true } } } },
  { name = "SetText", check = { "string" }, results = "none",
    special = { type = "OBJECT_RICHTEXT", defaults = { { 2, "boolean", true } } } },
})
