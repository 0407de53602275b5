-- rividi.lua: the Rividi table: type names, messages, the host's type tables and the captured host library.

-- The host's object type constants and their type tables, in the order of the host's numbering.
local object_types = {
  { "OBJECT_BUTTON", "Button" }, { "OBJECT_LABEL", "Label" }, { "OBJECT_PARAGRAPH", "Paragraph" },
  { "OBJECT_IMAGE", "Image" }, { "OBJECT_FLASH", "Flash" }, { "OBJECT_VIDEO", "Video" },
  { "OBJECT_WEB", "Web" }, { "OBJECT_INPUT", "Input" }, { "OBJECT_HOTSPOT", "Hotspot" },
  { "OBJECT_LISTBOX", "ListBox" }, { "OBJECT_COMBOBOX", "ComboBox" }, { "OBJECT_PROGRESS", "Progress" },
  { "OBJECT_TREE", "Tree" }, { "OBJECT_RADIOBUTTON", "RadioButton" }, { "OBJECT_RICHTEXT", "RichText" },
  { "OBJECT_CHECKBOX", "CheckBox" }, { "OBJECT_SLIDESHOW", "SlideShow" }, { "OBJECT_GRID", "Grid" },
  { "OBJECT_PLUGIN", "Plugin" }, { "OBJECT_PDF", "PDF" }, { "OBJECT_QUICKTIME", "QuickTime" },
}

-- A missing OBJECT_ constant is a nil key here and stops the run.
local object_table, object_type_values = {}, {}
for i = 1, #object_types do
  local constant, type_table = object_types[i][1], object_types[i][2]
  object_table[_G[constant]] = _G[type_table]
  object_type_values[constant] = _G[constant]
end

Rividi = {
  NUMBER = "number",
  STRING = "string",
  TABLE = "table",
  BOOLEAN = "boolean",
  FUNCTION = "function",
  NIL = "nil",
  USERDATA = "userdata",
  HOBJ = "zObject",
  NOOBJ = "This is not a valid zObject handle!",
  Constants = { GRID_ALL = 0, GRID_ROWS = 1, GRID_COLUMNS = 2 },
  Errors = {
    R = String.Replace,
    T = tostring,
    NumberError = "Argument %s must be of type number!",
    StringError = "Argument %s must be of type string!",
    TableError = "Argument %s must be of type table!",
    BoolError = "Argument %s must be of type boolean!",
  },
  Vars = { CodeChunks = { ByteVars = { Cake = { SheepGoToHeaven = { GoatsGoToHell = {} } } } } },
  _Vars = {
    MetatableCheckpoint = 1503,
    ObjectTable = object_table,
    ObjectTypes = object_type_values,
  },
  _Helpers = {
    String = String,
    Page = Page,
    DialogEx = DialogEx,
    Application = Application,
    Error = error,
    Type = type,
    Window = Window,
    TC = Table.Count,
    GMT = getmetatable,
    SMT = setmetatable,
    TS = tostring,
    TN = tonumber,
  },
  ReadOnly = {},
  PD = { ReadOnly = {}, Page = {}, DialogEx = {} },
}

-- What the files of the run share with each other; the lock takes it out before it locks.
-- on_lock: functions called with the locked view once the lock is on.
Rividi._Build = { on_lock = {} }
