-- Checks the document renderer on small trees and its refusals of input it cannot write.
--
-- RIVIDI_DOCGEN names tools/docgen/docgen.lua, RIVIDI_LUA the interpreter that runs it, and
-- RIVIDI_SCRATCH a folder for its files; xmlwrite and doctree come through the module path.

local xmlwrite = require("xmlwrite")
local doctree = require("doctree")

local function text(tag, value)
  return { tag = tag, text = value }
end

local function node(tag, children)
  return { tag = tag, children = children }
end

describe("xmlwrite.render", function()
  it("writes containers on their own lines, texts on one line and breaking texts on the lines after", function()
    local tree = node("Root", {
      text("Name", "one"),
      text("Empty", ""),
      node("Inner", { text("Lines", "first\r\n\r\n  third") }),
    })
    assert.are.equal(table.concat({
      "<Root>", "<Name>one</Name>", "<Empty></Empty>",
      "<Inner>", "<Lines>first", "", "  third</Lines>", "</Inner>",
      "</Root>",
    }, "\r\n"), xmlwrite.render(tree))
  end)

  it("refuses what the document's plain form cannot carry", function()
    local cases = {
      { tree = text("T", "a < b"), problem = "'<'" },
      { tree = text("T", "fish & chips"), problem = "'&'" },
      { tree = text("T", "a\0b"), problem = "NUL" },
      { tree = text("T", "x]]>y"), problem = "]]>" },
      { tree = text("T", "one\ntwo"), problem = "CR LF" },
      { tree = text("T", "one\rtwo"), problem = "CR LF" },
      { tree = text("T", "one\n\rtwo"), problem = "CR LF" },
      { tree = text("T x", "y"), problem = "tag name" },
      { tree = node("T", { text("U", 1) }), problem = "not a string" },
      { tree = { tag = "T", text = "a", children = {} }, problem = "both" },
    }
    for _, case in ipairs(cases) do
      local ok, message = pcall(xmlwrite.render, case.tree)
      assert.is_false(ok, case.problem)
      assert.is_truthy(message:find(case.problem, 1, true), message)
    end
  end)
end)

describe("doctree.build", function()
  local maker = { company = "C", email = "e@h.example", web = "h.example", copyright = " Y" }
  local plugin = { name = "P", description = "D", version = { "2", "0", "0", "0" } }

  it("refuses a misspelt field instead of leaving its element empty", function()
    local actions = { templates = { { name = "A", descripton = "typo" } }, extensions = {}, plugin = plugin }
    local ok, message = pcall(doctree.build, actions, maker)
    assert.is_false(ok)
    assert.is_truthy(message:find("templates[1]: unknown field 'descripton'", 1, true), message)
  end)
end)

describe("docgen.lua", function()
  local lua = assert(os.getenv("RIVIDI_LUA"), "RIVIDI_LUA is not set")
  local docgen = assert(os.getenv("RIVIDI_DOCGEN"), "RIVIDI_DOCGEN is not set")
  local scratch = assert(os.getenv("RIVIDI_SCRATCH"), "RIVIDI_SCRATCH is not set")
  local actions = scratch .. "/minimal_actions.lua"
  local out = scratch .. "/refused.xml"

  setup(function()
    local file = assert(io.open(actions, "wb"))
    file:write('return { templates = {}, extensions = {},',
      ' plugin = { name = "P", description = "D", version = { "1", "0", "0", "0" } } }')
    file:close()
  end)

  local function run(maker_args)
    os.remove(out)
    local command = string.format("%q %q %q %q %s 2>/dev/null", lua, docgen, actions, out, maker_args)
    return os.execute(command)
  end

  it("refuses maker values that do not fit the document, writing nothing", function()
    local good = {
      company = "--company=Z", email = "--email=a@b.example", web = "--web=www.b.example", copyright = "--copyright= Z",
    }
    local cases = {
      { field = "web", value = "--web=http://www.b.example" },
      { field = "web", value = "--web=www.b.example/path" },
      { field = "company", value = "--company=Z\169" },
      { field = "email", value = "--email=nobody" },
      { field = "copyright", value = "" },
    }
    for _, case in ipairs(cases) do
      local args = {}
      for _, field in ipairs({ "company", "email", "web", "copyright" }) do
        args[#args + 1] = string.format("%q", field == case.field and case.value or good[field])
      end
      assert.are_not.equal(0, run(table.concat(args, " ")), case.value)
      assert.is_nil(io.open(out, "rb"), case.value)
    end
    local good_args = {}
    for _, field in ipairs({ "company", "email", "web", "copyright" }) do
      good_args[#good_args + 1] = string.format("%q", good[field])
    end
    assert.are.equal(0, run(table.concat(good_args, " ")))
    assert.is_truthy(io.open(out, "rb"))
  end)
end)
