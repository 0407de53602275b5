-- text_spec.lua: GetText and SetText, the first methods made from rows, with the rich-text flag.
local support = require("support.rividi_state")
local pack = support.pack

describe("GetText and SetText", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state()
    R = env.Rividi
  end)

  local cases = {
    -- object, method, arguments, host table, expected host arguments
    { "Input1", "GetText", {}, "Input", { n = 1, "Input1" } },
    { "Input1", "GetText", { true }, "Input", { n = 1, "Input1" } },
    { "RichText1", "GetText", {}, "RichText", { n = 2, "RichText1", true } },
    { "RichText1", "GetText", { "x" }, "RichText", { n = 2, "RichText1", true } },
    { "RichText1", "GetText", { false }, "RichText", { n = 2, "RichText1", false } },
    { "Input1", "SetText", { "a", false }, "Input", { n = 2, "Input1", "a" } },
    { "RichText1", "SetText", { "a" }, "RichText", { n = 3, "RichText1", "a", true } },
    { "RichText1", "SetText", { "a", 0 }, "RichText", { n = 3, "RichText1", "a", true } },
    { "RichText1", "SetText", { "a", false }, "RichText", { n = 3, "RichText1", "a", false } },
  }
  for _, case in ipairs(cases) do
    local object, method, args, table_name, expected = unpack(case)
    it(object .. ":" .. method .. " with " .. #args .. " argument(s)", function()
      local h = R.Create(object)
      h[method](h, unpack(args))
      assert.are.same(expected, host:last_call(table_name, method))
    end)
  end

  it("writes the text and reads back only the host's first result", function()
    local h = R.Create("Input1")
    assert.are.equal(0, pack(h:SetText("new")).n)
    assert.are.equal("new", host:object("Input1").props.Text)
    host:returns("Input", "GetText", "one", "two")
    assert.are.same({ n = 1, "one" }, pack(h:GetText()))
    host:returns("Input", "GetText", nil)
    assert.are.equal(0, pack(h:GetText()).n)
  end)
end)
