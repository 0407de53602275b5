-- Checks the generated action description document: its bytes, its line layout and its element tree.
--
-- RIVIDI_DOCUMENT names the document, RIVIDI_MAKER_WEB the web address it must carry.

local lxp = require("lxp")

local DOCUMENT = assert(os.getenv("RIVIDI_DOCUMENT"), "RIVIDI_DOCUMENT is not set")
local EXPECTED_WEB = assert(os.getenv("RIVIDI_MAKER_WEB"), "RIVIDI_MAKER_WEB is not set")

local TEMPLATE_NAMES = {
  "Rividi.Create", "Grid.GetCellState", "Rividi.GetPageHandle", "Rividi.GetDialogHandle",
  "Rividi.InitializeAllObjects", "Rividi.SetCodeChaining", "Rividi.ClearStackCache",
}
local EXTENSION_COUNT = 22
local PLUGIN_INFORMATION = "Name Description Version1 Version2 Version3 Version4 Author Email Web Copyright"

local function read_bytes(path)
  local file = assert(io.open(path, "rb"))
  local bytes = file:read("*a")
  file:close()
  return bytes
end

-- Expat hands out UTF-8; the document is single-byte, so fold it back.
local function latin1(text)
  return (text:gsub("[\194\195][\128-\191]", function(pair)
    return string.char((pair:byte(1) - 192) * 64 + pair:byte(2) - 128)
  end))
end

-- Parses into nodes { tag, children, text }. The document has no declaration; its one byte above 0x7F
-- is the same in Windows-1252 and ISO-8859-1, which expat knows.
local function parse(bytes)
  local root = { children = {} }
  local open = { root }
  local parser = lxp.new({
    StartElement = function(_, tag, attributes)
      assert(next(attributes) == nil, "attributes on <" .. tag .. ">")
      local node = { tag = tag, children = {}, text = "" }
      table.insert(open[#open].children, node)
      open[#open + 1] = node
    end,
    EndElement = function()
      open[#open] = nil
    end,
    CharacterData = function(_, text)
      open[#open].text = open[#open].text .. latin1(text)
    end,
  })
  assert(parser:parse('<?xml version="1.0" encoding="ISO-8859-1"?>'))
  local ok, message, line = parser:parse(bytes)
  assert(ok, string.format("XML error at line %s: %s", tostring(line), tostring(message)))
  assert(parser:parse())
  parser:close()
  return root.children[1]
end

-- The one layout the document may have: no indentation, containers' tags on lines of their own, each
-- text element on one line, running on over further lines where its text breaks, empty ones as <X></X>.
local function canonical(node, lines)
  lines = lines or {}
  if #node.children > 0 then
    lines[#lines + 1] = "<" .. node.tag .. ">"
    for _, child in ipairs(node.children) do
      canonical(child, lines)
    end
    lines[#lines + 1] = "</" .. node.tag .. ">"
  else
    lines[#lines + 1] = "<" .. node.tag .. ">" .. node.text:gsub("\n", "\r\n") .. "</" .. node.tag .. ">"
  end
  return lines
end

local function child_tags(node)
  local tags = {}
  for i, child in ipairs(node.children) do
    tags[i] = child.tag
  end
  return table.concat(tags, " ")
end

local function child(node, tag)
  for _, candidate in ipairs(node.children) do
    if candidate.tag == tag then
      return candidate
    end
  end
end

local function count_of(text, plain)
  local count, position = 0, 1
  while true do
    local found = text:find(plain, position, true)
    if not found then
      return count
    end
    count, position = count + 1, found + #plain
  end
end

local function split_constraints(text)
  local names = {}
  for name in text:gmatch("([^,]+),") do
    names[#names + 1] = name
  end
  return names
end

local bytes = read_bytes(DOCUMENT)
local root = parse(bytes)
local templates, extended = {}, nil
for _, node in ipairs(root.children) do
  if node.tag == "Action" then
    templates[#templates + 1] = node
  else
    extended = node
  end
end
local extensions = {}
for _, node in ipairs(extended.children) do
  if node.tag == "Action" then
    extensions[#extensions + 1] = node
  end
end

local function template_arg(action_name, arg_name)
  for _, template in ipairs(templates) do
    if child(template, "Name").text == action_name then
      for _, arg in ipairs(child(template, "Arguments").children) do
        if child(arg, "Name").text == arg_name then
          return arg
        end
      end
    end
  end
  error("no argument " .. arg_name .. " of " .. action_name)
end

describe("the action description document", function()
  it("has the release's size and line count", function()
    assert.are.equal(12625, #bytes)
    assert.are.equal(491, count_of(bytes, "\r\n"))
  end)

  it("breaks lines with CR LF only and not after its last end tag", function()
    assert.is_nil(bytes:find("\r[^\n]"))
    assert.is_nil(bytes:find("[^\r]\n"))
    assert.are.equal("<ActionTemplates>\r\n", bytes:sub(1, 19))
    assert.are.equal("\r\n</ActionTemplates>", bytes:sub(-20))
  end)

  it("holds no byte above 0x7F but the copyright sign opening the Copyright text, and no NUL", function()
    assert.is_nil(bytes:find("%z"))
    local high = {}
    for position in bytes:gmatch("()[\128-\255]") do
      high[#high + 1] = position
    end
    local copyright_start = select(2, assert(bytes:find("\r\n<Copyright>", 1, true))) + 1
    assert.are.same({ copyright_start }, high)
    assert.are.equal("\169", bytes:sub(copyright_start, copyright_start))
    assert.are.equal("\169", child(extended, "Copyright").text:sub(1, 1))
  end)

  it("puts every element and every text line where the layout rules say", function()
    assert.are.equal(bytes, table.concat(canonical(root), "\r\n"))
  end)

  it("lists the seven templates in order, each with its children in order", function()
    assert.are.equal(("Action "):rep(#TEMPLATE_NAMES) .. "Extended", child_tags(root))
    for i, template in ipairs(templates) do
      assert.are.equal(TEMPLATE_NAMES[i], child(template, "Name").text)
      local tags = child_tags(template)
      assert.is_truthy(tags:match("^Name Description ReturnValueType$")
        or tags:match("^Name Description ReturnValueType Arguments$"), tags)
      for _, arg in ipairs(child(template, "Arguments") and child(template, "Arguments").children or {}) do
        assert.are.equal("Arg", arg.tag)
        assert.are.equal("Name Description Type Default Required EasyMode", child_tags(arg))
        assert.are.equal("Default DataType Constraints", child_tags(child(arg, "EasyMode")))
      end
    end
  end)

  it("has the 22 extension elements in order, then the plugin information", function()
    assert.are.equal(("Action "):rep(EXTENSION_COUNT) .. PLUGIN_INFORMATION, child_tags(extended))
    local arg_counts = {}
    for i, extension in ipairs(extensions) do
      local rest = child_tags(extension):match("^ReturnValueDescription Example Note(.*)$")
      assert.is_truthy(rest, "extension element " .. i)
      arg_counts[i] = #extension.children - 3
      assert.are.equal("", (rest:gsub(" Arg", "")))
      for j = 4, #extension.children do
        local parts = extension.children[j]
        assert.is_true(#parts.children > 0, "extension element " .. i .. " has an Arg without parts")
        for _, part in ipairs(parts.children) do
          assert.is_truthy(part.tag == "Note" or child_tags(part) == "Name Value Description", part.tag)
        end
      end
    end
    assert.are.same({ 3, 2, 1, 0, 4, 1, 1, 0, 0, 1, 3, 0, 2, 2, 0, 0, 0, 2, 1, 0, 0, 2 }, arg_counts)
  end)

  it("ends both constraint lists with a comma", function()
    local lists = {}
    for _, template in ipairs(templates) do
      for _, arg in ipairs(child(template, "Arguments") and child(template, "Arguments").children or {}) do
        local constraints = child(child(arg, "EasyMode"), "Constraints").text
        if constraints ~= "none" then
          lists[#lists + 1] = constraints
        end
      end
    end
    assert.are.equal(2, #lists)
    for _, list in ipairs(lists) do
      assert.are.equal(",", list:sub(-1))
      assert.is_nil(list:find(",,", 1, true))
    end
  end)

  -- Extension element n goes with template n; its constants must be the template's choices, numbered from 0.
  it("numbers the constants of Create and SetCodeChaining as their constraint lists run", function()
    local cases = {
      { extension = 1, arg = 3, action = "Rividi.Create", name = "Objecttype" },
      { extension = 6, arg = 1, action = "Rividi.SetCodeChaining", name = "Level" },
    }
    for _, case in ipairs(cases) do
      local choices = child(child(template_arg(case.action, case.name), "EasyMode"), "Constraints").text
      local expected = {}
      for i, name in ipairs(split_constraints(choices)) do
        expected[i] = name .. "=" .. (i - 1) .. ":"
      end
      expected[#expected + 1] = "=:"
      local constants = {}
      for _, part in ipairs(extensions[case.extension].children[3 + case.arg].children) do
        if part.tag == "Const" then
          constants[#constants + 1] =
            child(part, "Name").text .. "=" .. child(part, "Value").text .. ":" .. child(part, "Description").text
        end
      end
      assert.are.same(expected, constants)
    end
  end)

  it("gives the grid name an empty Lua string as default, while other empty defaults are empty elements", function()
    local grid_name = template_arg("Grid.GetCellState", "Rividi Name")
    assert.are.equal('""', child(grid_name, "Default").text)
    assert.are.equal("", child(child(grid_name, "EasyMode"), "Default").text)
    assert.are.equal(1, count_of(bytes, '""'))
    assert.are.equal(1, count_of(bytes, '\r\n<Default>""</Default>\r\n'))
    assert.is_true(count_of(bytes, "\r\n<Default></Default>\r\n") > 0)
  end)

  it("names the maker's web address", function()
    assert.are.equal(EXPECTED_WEB, child(extended, "Web").text)
  end)
end)
