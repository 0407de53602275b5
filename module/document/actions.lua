-- The plugin's actions as the host's action description document lists them; tools/docgen renders this table.
--
-- Texts are strings; a text of several lines is a list of its lines. Texts left out are empty.
-- Backslashes in the examples are part of the text, so those are written as long strings.

local OBJECT_TYPES = {
  "OBJECT_BUTTON", "OBJECT_LABEL", "OBJECT_PARAGRAPH", "OBJECT_IMAGE", "OBJECT_FLASH",
  "OBJECT_VIDEO", "OBJECT_WEB", "OBJECT_INPUT", "OBJECT_HOTSPOT", "OBJECT_LISTBOX",
  "OBJECT_COMBOBOX", "OBJECT_PROGRESS", "OBJECT_TREE", "OBJECT_RADIOBUTTON", "OBJECT_RICHTEXT",
  "OBJECT_CHECKBOX", "OBJECT_SLIDESHOW", "OBJECT_GRID",
}

local CHAINING_LEVELS = { "ZOBJECT_CHAINING_NONE", "ZOBJECT_CHAINING_BASIC", "ZOBJECT_CHAINING_STACK" }

-- An argument of an extension element is its parts in order: { note = text } or { const = {name, value, description} }.
local EMPTY_ARG = { { note = "" } }

local function note_arg(text)
  return { { note = text } }
end

local function empty_args(count)
  local args = {}
  for i = 1, count do
    args[i] = EMPTY_ARG
  end
  return args
end

-- Constants numbered from 0 in list order, closed by a constant with every text empty.
local function constant_parts(names)
  local parts = {}
  for i, name in ipairs(names) do
    parts[i] = { const = { name, tostring(i - 1), "" } }
  end
  parts[#parts + 1] = { const = { "", "", "" } }
  return parts
end

local function with_note(parts, position)
  table.insert(parts, position or #parts + 1, { note = "" })
  return parts
end

local function plain_arg(name, description, type, required)
  return {
    name = name, description = description, type = type, required = required,
    easy = { datatype = "string", constraints = "none" },
  }
end

local templates = {
  {
    name = "Rividi.Create",
    description = "Creates a new Lattice Rividi for an AMS visual object.",
    returns = "table",
    args = {
      plain_arg("Objectname", "The object name to create a handle for.", "string", "1"),
      plain_arg("Propertiestable", "When the Rividi given doesn't exist, create it on the fly!", "table", "0"),
      {
        name = "Objecttype", description = "Objecttype for the to be created object.", type = "number", required = "0",
        easy = { datatype = "combo", constraints = OBJECT_TYPES },
      },
    },
  },
  {
    name = "Grid.GetCellState",
    description = "Returns a table containing the state of a cell.",
    args = {
      {
        name = "Rividi Name", description = "The object name of the grid object.", type = "string",
        default = '""', required = "1",
        easy = { datatype = "string", constraints = "none" },
      },
      plain_arg("Row", "The row", "number", "1"),
      plain_arg("Column", "The column", "number", "1"),
    },
  },
  {
    name = "Rividi.GetPageHandle",
    description = "Get's a new Rividi handle for managing Page Properties and functions",
    returns = "table",
  },
  {
    name = "Rividi.GetDialogHandle",
    description = "Get's a new Rividi handle for managing Dialog Properties and functions",
    returns = "table",
  },
  {
    name = "Rividi.InitializeAllObjects",
    description = "Creates a handle for all AMS objects (not plugins) using it's Rividi Name.",
    returns = "number",
    args = {
      {
        name = "DebugLevel", description = "Choose which errors/warnings you want to count and debug.",
        type = "number", default = "0", required = "0",
        easy = { datatype = "string", constraints = "none" },
      },
    },
  },
  {
    name = "Rividi.SetCodeChaining",
    description = "Set the dynamical code chaining level.",
    args = {
      {
        name = "Level", description = "The level of the codechaining.", type = "number",
        default = "ZOBJECT_CHAINING_NONE", required = "1",
        easy = { default = "ZOBJECT_CHAINING_NONE", datatype = "combo", constraints = CHAINING_LEVELS },
      },
    },
  },
  {
    name = "Rividi.ClearStackCache",
    description = "Clear all stacks for all objects.",
  },
}

-- Element n goes with template n; elements past the seventh have no template.
local extensions = {
  { -- Rividi.Create
    returns = {
      "This will return a handle/object for the Rividi class.",
      "",
      "With this object, you can preform any action available",
      "in the AMS Rividi's actionlist.",
    },
    example = {
      [[Input1 = Rividi:Create("Input1") --it exists, so no properties table and objecttype have to be passed.]],
      "",
      [[Input1:SetText("Hello World!");]],
      [[Input1:Append("Greets from Zentrix Programming!","\r\n");]],
      [[Input1:Destroy();]],
    },
    note = "This method can not be used as method for Lattice objects",
    args = {
      EMPTY_ARG,
      note_arg("An object type is requried now too!"),
      with_note(constant_parts(OBJECT_TYPES)),
    },
  },
  { -- Append
    example = {
      [[Input1:Append("This is a string, which will append using the defailt delimiter");]],
      [[Input1:Append("This string will be appended using a custom delimiter", "\r\n\r\n");]],
    },
    args = empty_args(2),
  },
  { -- SetAppendDelimiter
    example = {
      [[Input1:SetAppendDelimiter("\r\n\r\n");]],
      [[Input1:SetText("First line");]],
      [[Input1:Append("Second line of text using the newly set delimiter");]],
      [[Input1:Append("Third line of text using only one newrule", "\r\n");]],
    },
    note = "The AppendDelimiter is unique for each object handle!",
    args = empty_args(1),
  },
  { -- GetRect
    returns = {
      "This function will return a table containing the next entrys:",
      "",
      "Result.X = Position from the left in pixels",
      "Result.Y = Position from the top in pixels",
      "Result.Width = The width of the object in pixels",
      "Result.Height = The height of the object in pixels",
    },
    example = {
      [[Par1 = Rividi:Create("Paragraph1");]],
      [[local oldRect = Par1:GetRect();]],
      [[oldRect.X = oldRect.X+10;]],
      [[oldRect.Y = oldRect.Y+10;]],
      [[Par1:SetRect(oldRect); -- you can also pass the rect as 4 seperate values, see the helpfile on this function.]],
    },
  },
  { -- Rividi.InitializeAllObjects
    returns = "Returns the number of errors/warnings based on errorlevel.",
    example = {
      [[local errnum = Rividi.InitializeAllObjects(2); -- Report and debug all errors, use Debug.ShowWindow(true);]],
      "",
      [[-- You can start using the objects now, eg:]],
      [[Input1:SetText("Hello World!");]],
    },
    note = "Make sure you have valid names for all objects, the same rules apply as for lua variable names!",
    args = {
      note_arg("0 = None, 1 = Invalid name errors, 2 = 1 and Overwrite warnings/notifications."),
      EMPTY_ARG, EMPTY_ARG, EMPTY_ARG,
    },
  },
  { -- Rividi.SetCodeChaining
    note = "The level can be changed at any moment!",
    args = { with_note(constant_parts(CHAINING_LEVELS), 1) },
  },
  { -- Rividi.ClearStackCache
    args = empty_args(1),
  },
  {},
  {},
  { args = empty_args(1) },
  { -- Grid.GetCellState
    returns = {
      "A table with the next structure",
      [[tRes = Grid.GetCellState("Grid1", 10,10);]],
      [[tRes.Focused = true]],
      [[tRes.Modified = false]],
      [[tRes.ReadOnly = false]],
      [[tRes.FixedRow = false]],
      [[tRes.Fixed = false]],
      [[tRes.Selected = true]],
      [[tRes.DropHighlighted = false]],
      [[tRes.FixedCol = false]],
    },
    note = "This is also in the Rividi Action Plugin, Rividi:GetCellState",
    args = empty_args(3),
  },
  {
    note = "This would be the position and size from the time Rividi:Create was called for this object.",
  },
  { -- FadeIn
    returns = "Returns true on success.",
    example = [[Image1:FadeIn(100,12);]],
    args = empty_args(2),
  },
  { -- FadeOut
    returns = "Returns true on success.",
    example = [[Image1:FadeOut(20,5);]],
    args = empty_args(2),
  },
  { -- Rividi.GetPageHandle
    returns = "The handle to the object",
    example = {
      [[hPage = Rividi.GetPageHandle();]],
      [[hPage.Properties.BackgroundColor = Math.HexColorToRGB("00FF00");]],
    },
  },
  { -- Rividi.GetDialogHandle
    returns = "The handle to the object",
    example = {
      [[hDialog = Rividi.GetDialogHandle();]],
      [[hDialog.Properties.BackgroundColor = Math.HexColorToRGB("00FF00");]],
      [[hDialog.Properties.DialogTitle = "Wooptiedoo!"]],
    },
  },
  { -- ClearContents
    example = {
      [[Input1:ClearContents(); --Clears Input1]],
      "",
      [[Listbox:ClearContents() -- Clears all items in that listbox]],
    },
    note = "In GRID, it only removes all the cells!",
  },
  { -- SetScript
    example = {
      [=[Button1:SetScript("On Click", [[]=],
      [[     Dialog.Message("Hello", "World");]],
      [=[]]);]=],
    },
    args = empty_args(2),
  },
  {
    returns = "The luascript as string.",
    args = empty_args(1),
  },
  { -- Click
    example = [[Button1:Click(); --Executes the On Click event in the button.]],
  },
  { -- Focus
    example = [[Input1:Focus()]],
  },
  { args = empty_args(2) },
}

return {
  templates = templates,
  extensions = extensions,
  plugin = {
    name = "Rividi",
    description = "A Lattice model for all standard AMS Visual Rividi's actions.",
    version = { "2", "0", "0", "0" },
  },
}
