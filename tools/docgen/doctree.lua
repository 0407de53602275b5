-- Turns the action table and the maker's details into the element tree of the action description document.

local doctree = {}

local NEWLINE = "\r\n"
local COPYRIGHT_SIGN = "\169" -- Windows-1252

local KEYS = {
  document = { templates = true, extensions = true, plugin = true },
  plugin = { name = true, description = true, version = true },
  template = { name = true, description = true, returns = true, args = true },
  template_arg = { name = true, description = true, type = true, default = true, required = true, easy = true },
  easy = { default = true, datatype = true, constraints = true },
  extension = { returns = true, example = true, note = true, args = true },
  part = { note = true, const = true },
}

-- A misspelt key would otherwise leave its element silently empty.
local function dt_check_keys(tbl, kind, where)
  if type(tbl) ~= "table" then
    error(where .. ": expected a table", 0)
  end
  for key in pairs(tbl) do
    if not KEYS[kind][key] then
      error(string.format("%s: unknown field '%s'", where, tostring(key)), 0)
    end
  end
end

local function dt_node(tag, children)
  return { tag = tag, children = children }
end

-- A text is a string or the list of its lines; nil is the empty text.
local function dt_text(tag, value)
  if type(value) == "table" then
    value = table.concat(value, NEWLINE)
  end
  return { tag = tag, text = value or "" }
end

-- Constraint lists put a comma after every name, the last one too.
local function dt_constraints(value)
  if type(value) == "table" then
    return table.concat(value, ",") .. ","
  end
  return value
end

local function dt_template_arg(arg, where)
  dt_check_keys(arg, "template_arg", where)
  dt_check_keys(arg.easy, "easy", where .. ".easy")
  return dt_node("Arg", {
    dt_text("Name", arg.name),
    dt_text("Description", arg.description),
    dt_text("Type", arg.type),
    dt_text("Default", arg.default),
    dt_text("Required", arg.required),
    dt_node("EasyMode", {
      dt_text("Default", arg.easy.default),
      dt_text("DataType", arg.easy.datatype),
      dt_text("Constraints", dt_constraints(arg.easy.constraints)),
    }),
  })
end

local function dt_template(template, where)
  dt_check_keys(template, "template", where)
  local children = {
    dt_text("Name", template.name),
    dt_text("Description", template.description),
    dt_text("ReturnValueType", template.returns),
  }
  if template.args and #template.args > 0 then
    local args = {}
    for i, arg in ipairs(template.args) do
      args[i] = dt_template_arg(arg, string.format("%s.args[%d]", where, i))
    end
    children[#children + 1] = dt_node("Arguments", args)
  end
  return dt_node("Action", children)
end

local function dt_extension_part(part, where)
  dt_check_keys(part, "part", where)
  if part.note and part.const then
    error(where .. ": a part is a note or a constant, not both", 0)
  elseif part.note then
    return dt_text("Note", part.note)
  elseif part.const then
    return dt_node("Const", {
      dt_text("Name", part.const[1]),
      dt_text("Value", part.const[2]),
      dt_text("Description", part.const[3]),
    })
  end
  error(where .. ": empty part", 0)
end

local function dt_extension(extension, where)
  dt_check_keys(extension, "extension", where)
  local children = {
    dt_text("ReturnValueDescription", extension.returns),
    dt_text("Example", extension.example),
    dt_text("Note", extension.note),
  }
  for i, arg in ipairs(extension.args or {}) do
    local parts = {}
    for j, part in ipairs(arg) do
      parts[j] = dt_extension_part(part, string.format("%s.args[%d][%d]", where, i, j))
    end
    children[#children + 1] = dt_node("Arg", parts)
  end
  return dt_node("Action", children)
end

local function dt_plugin_information(plugin, maker, children)
  dt_check_keys(plugin, "plugin", "plugin")
  local info = {
    dt_text("Name", plugin.name),
    dt_text("Description", plugin.description),
  }
  for i = 1, 4 do
    info[#info + 1] = dt_text("Version" .. i, plugin.version[i])
  end
  info[#info + 1] = dt_text("Author", maker.company)
  info[#info + 1] = dt_text("Email", maker.email)
  info[#info + 1] = dt_text("Web", maker.web)
  info[#info + 1] = dt_text("Copyright", COPYRIGHT_SIGN .. maker.copyright)
  for _, node in ipairs(info) do
    children[#children + 1] = node
  end
end

-- `actions` is the table of module/document/actions.lua; `maker` holds company, email, web and
-- copyright (the text after the copyright sign).
function doctree.build(actions, maker)
  dt_check_keys(actions, "document", "document")
  local root = {}
  for i, template in ipairs(actions.templates) do
    root[i] = dt_template(template, string.format("templates[%d]", i))
  end
  local extended = {}
  for i, extension in ipairs(actions.extensions) do
    extended[i] = dt_extension(extension, string.format("extensions[%d]", i))
  end
  dt_plugin_information(actions.plugin, maker, extended)
  root[#root + 1] = dt_node("Extended", extended)
  return dt_node("ActionTemplates", root)
end

return doctree
