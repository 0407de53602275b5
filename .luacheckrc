-- .luacheckrc: static checks of the object model script, the simulated host and the Lua tests.
std = "lua51"
max_line_length = 120

-- The host's action library, as the object model script finds it (and the simulated host makes it).
local object_constants = {
  "OBJECT_BUTTON", "OBJECT_LABEL", "OBJECT_PARAGRAPH", "OBJECT_IMAGE", "OBJECT_FLASH", "OBJECT_VIDEO",
  "OBJECT_WEB", "OBJECT_INPUT", "OBJECT_HOTSPOT", "OBJECT_LISTBOX", "OBJECT_COMBOBOX", "OBJECT_PROGRESS",
  "OBJECT_TREE", "OBJECT_RADIOBUTTON", "OBJECT_RICHTEXT", "OBJECT_CHECKBOX", "OBJECT_SLIDESHOW",
  "OBJECT_GRID", "OBJECT_PLUGIN", "OBJECT_PDF", "OBJECT_QUICKTIME",
}
local host_library = {
  "Button", "Label", "Paragraph", "Image", "Flash", "Video", "Web", "Input", "Hotspot", "ListBox",
  "ComboBox", "Progress", "Tree", "RadioButton", "RichText", "CheckBox", "SlideShow", "Grid", "Plugin",
  "PDF", "QuickTime", "Page", "DialogEx", "Application", "String", "Table", "Debug", "Dialog", "Window",
  "DLL", "BG_GRADIENT", "BST_CHECKED", "GVS_DEFAULT", "MB_OK", "MB_ICONEXCLAMATION", "DLL_CALL_STDCALL",
  "DLL_RETURN_TYPE_INTEGER", "DLL_RETURN_TYPE_LONG",
}
for _, name in ipairs(object_constants) do host_library[#host_library + 1] = name end

-- What the object model script defines.
local script_globals = {
  "Rividi", "make_read_only", "ropairs",
  "ZOBJECT_SURPRESS_ERRORS", "ZOBJECT_CODE_CHAINING", "ZOBJECT_STACK_CACHE",
  "ZOBJECT_CHAINING_NONE", "ZOBJECT_CHAINING_BASIC", "ZOBJECT_CHAINING_STACK",
  "ZOBJECT_FILENAME", "ZOBJECT_EXTENSION", "ZOBJECT_DRIVE", "ZOBJECT_FOLDER",
}

-- The script runs in the host's Lua state: only the base names it relies on; it writes `_G` (a global per
-- object) and `arg`, the implicit argument table of its variadic functions.
files["script"] = {
  std = "min",
  read_globals = (function()
    local names = { "type", "tostring", "tonumber", "pairs", "next", "unpack", "error", "getmetatable",
      "setmetatable", string = { fields = { "char" } } }
    for _, name in ipairs(host_library) do names[#names + 1] = name end
    return names
  end)(),
  globals = (function()
    local names = { "arg", "_G" }
    for _, name in ipairs(script_globals) do names[#names + 1] = name end
    return names
  end)(),
  ignore = { "212/%.%.%." },
}

files["simhost"] = {}

-- Test methods take their arguments through `arg`, as the script's do.
files["tests"] = { std = "+busted", globals = script_globals, read_globals = host_library, ignore = { "212/%.%.%." } }

-- The preludes and checks that C++ test hosts run around a registration share these globals.
local harness_globals = { "SimHost", "SimHostProject", "PayloadDamaged", "RegisterResult", "Input1", "Button1" }
for _, dir in ipairs({ "tests/support", "tests/e2e" }) do
  files[dir] = { std = "lua51", globals = (function()
    local names = { unpack(script_globals) }
    for _, name in ipairs(harness_globals) do names[#names + 1] = name end
    return names
  end)(), read_globals = host_library, ignore = { "212/%.%.%." } }
end
files["bench"] = {}
