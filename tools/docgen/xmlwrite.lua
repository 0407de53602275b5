-- Writes an element tree as the host's plain XML: no indentation, CR LF between lines, no final line break.
--
-- A node is { tag = name, children = {nodes} } or { tag = name, text = string }. An element that holds
-- elements has its start and end tags on lines of their own; an element that holds text stands on one
-- line, and a text with CR LF in it runs on over the following lines up to its end tag.

local xmlwrite = {}

local NEWLINE = "\r\n"

local function xw_fail(node, problem)
  error(string.format("element <%s>: %s", tostring(node.tag), problem), 0)
end

local function xw_check_tag(node)
  if type(node.tag) ~= "string" or not node.tag:find("^[%a_][%w_]*$") then
    xw_fail(node, "not a usable tag name")
  end
end

-- The document carries no references or CDATA, so these bytes cannot be written at all.
local function xw_check_text(node)
  local text = node.text
  if type(text) ~= "string" then
    xw_fail(node, "text is not a string")
  elseif text:find("[<&%z]") then
    xw_fail(node, "text holds '<', '&' or a NUL byte")
  elseif text:find("]]>", 1, true) then
    xw_fail(node, "text holds ']]>'")
  elseif text:gsub(NEWLINE, ""):find("[\r\n]") then
    xw_fail(node, "text breaks lines other than with CR LF")
  end
end

local function xw_element(node, lines)
  xw_check_tag(node)
  local open, close = "<" .. node.tag .. ">", "</" .. node.tag .. ">"
  if node.children then
    if node.text then
      xw_fail(node, "holds both text and elements")
    end
    lines[#lines + 1] = open
    for _, child in ipairs(node.children) do
      xw_element(child, lines)
    end
    lines[#lines + 1] = close
  else
    xw_check_text(node)
    lines[#lines + 1] = open .. node.text .. close
  end
end

-- Returns the bytes of the document whose root is `root`.
function xmlwrite.render(root)
  local lines = {}
  xw_element(root, lines)
  return table.concat(lines, NEWLINE)
end

return xmlwrite
