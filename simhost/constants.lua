-- constants.lua: the host's object type constants (with the type table of each) and its other constants.
return {
  -- Constant name, value, type table, whether objects of the type carry a text.
  -- OBJECT_BUTTON to OBJECT_GRID are 0 to 17 in this order; the last three are the host's own numbers.
  types = {
    { "OBJECT_BUTTON", 0, "Button", true },
    { "OBJECT_LABEL", 1, "Label", true },
    { "OBJECT_PARAGRAPH", 2, "Paragraph", true },
    { "OBJECT_IMAGE", 3, "Image", false },
    { "OBJECT_FLASH", 4, "Flash", false },
    { "OBJECT_VIDEO", 5, "Video", false },
    { "OBJECT_WEB", 6, "Web", false },
    { "OBJECT_INPUT", 7, "Input", true },
    { "OBJECT_HOTSPOT", 8, "Hotspot", false },
    { "OBJECT_LISTBOX", 9, "ListBox", false },
    { "OBJECT_COMBOBOX", 10, "ComboBox", false },
    { "OBJECT_PROGRESS", 11, "Progress", true },
    { "OBJECT_TREE", 12, "Tree", false },
    { "OBJECT_RADIOBUTTON", 13, "RadioButton", true },
    { "OBJECT_RICHTEXT", 14, "RichText", true },
    { "OBJECT_CHECKBOX", 15, "CheckBox", true },
    { "OBJECT_SLIDESHOW", 16, "SlideShow", false },
    { "OBJECT_GRID", 17, "Grid", false },
    { "OBJECT_PLUGIN", 100, "Plugin", false },
    { "OBJECT_PDF", 101, "PDF", false },
    { "OBJECT_QUICKTIME", 102, "QuickTime", false },
  },

  -- What GetObjectType gives for a name that no object bears: no key of the type table.
  no_type = -1,

  others = {
    BG_GRADIENT = 2,
    BST_CHECKED = 1,
    GVS_DEFAULT = 0,
    MB_OK = 0,
    MB_ICONEXCLAMATION = 48,
    DLL_CALL_STDCALL = 0,
    DLL_CALL_CDECL = 1,
    DLL_RETURN_TYPE_INTEGER = 1,
    DLL_RETURN_TYPE_LONG = 2,
  },
}
