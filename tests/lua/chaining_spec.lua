-- chaining_spec.lua: the chain level, chained returns and the per-object result stacks.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

describe("result chaining", function()
  local env, host, R, h
  before_each(function()
    env, host = support.new_state()
    R = env.Rividi
    h = R.Create("Input1")
  end)

  it("stores a level from 0 to 2 and makes anything else 0", function()
    local cases = { { nil, 0 }, { "2", 0 }, { 3, 0 }, { -1, 0 }, { 2, 2 }, { 1.5, 1.5 }, { 0, 0 } }
    for _, case in ipairs(cases) do
      env.ZOBJECT_CODE_CHAINING = 1
      R.SetCodeChaining(case[1])
      assert.are.equal(case[2], env.ZOBJECT_CODE_CHAINING, tostring(case[1]))
    end
    R.SetCodeChaining(1)
    R:SetCodeChaining(2)
    assert.are.equal(0, env.ZOBJECT_CODE_CHAINING)
    R.SetCodeChaining(1)
    h:SetCodeChaining(2)
    assert.are.equal(0, env.ZOBJECT_CODE_CHAINING)
  end)

  describe("at each level", function()
    local cases = {
      -- level, method, its arguments, what it returns ("h": the handle), the stack of Input1 afterwards
      { 0, "SetText", { "x" }, {}, nil },
      { 0, "GetText", {}, { "Hello" }, nil },
      { 1, "SetText", { "x" }, { "h" }, nil },
      { 1, "GetText", {}, { "h", "Hello" }, nil },
      { 1.5, "GetText", {}, { "h", "Hello" }, nil },
      { 1.5, "SetText", { "x" }, { "h" }, nil },
      { 2, "SetText", { "x" }, { "h" }, { "" } },
      { 2, "GetText", {}, { "h", "Hello" }, { "Hello" } },
      { 2, "ClearStack", {}, { "h" }, nil },
      { 1, "ClearStack", {}, { "h" }, nil },
      { 0, "ClearStack", {}, {}, nil },
    }
    for _, case in ipairs(cases) do
      local level, method, args, expected, stack = unpack(case)
      it(method .. " at level " .. level, function()
        R.SetCodeChaining(level)
        local wanted = { n = #expected }
        for i, v in ipairs(expected) do wanted[i] = v == "h" and h or v end
        assert.are.same(wanted, pack(h[method](h, unpack(args))))
        assert.are.same(stack, env.ZOBJECT_STACK_CACHE.Input1)
      end)
    end
  end)

  it("records false and nil as the empty text and 0 as 0", function()
    R.SetCodeChaining(2)
    for _, value in ipairs({ false, 0, "t" }) do
      host:returns("Input", "GetText", value)
      h:GetText()
    end
    host:returns("Input", "GetText", nil)
    h:GetText()
    assert.are.same({ "", 0, "t", "" }, { h:GetStack() })
  end)

  it("keeps one stack per object name for all its handles", function()
    R.SetCodeChaining(2)
    local other = R.Create("Input1")
    h:SetText("a")
    other:GetText()
    h:GetText()
    assert.are.same({ "", "a", "a" }, { other:GetStack() })
    assert.are.equal(0, pack(h:GetStack()).n)
  end)

  it("reads a stack with or without clearing it", function()
    R.SetCodeChaining(2)
    h:GetText()
    assert.are.same({ "Hello" }, { h:GetStack(false) })
    h:SetText("b")
    assert.are.same({ "Hello", "" }, { h:GetStack() })
    assert.are.equal(0, pack(h:GetStack()).n)
  end)

  it("refuses a clear flag that is not a boolean at the calling line and keeps the stack", function()
    R.SetCodeChaining(2)
    h:GetText()
    raises_at("Argument #1 must be of type boolean or left empty!", function() h:GetStack("yes") end)
    assert.are.same({ "Hello" }, { h:GetStack() })
  end)

  it("drops every stack with ClearStackCache", function()
    R.SetCodeChaining(2)
    h:GetText()
    R.Create("RichText1"):GetText()
    local old = env.ZOBJECT_STACK_CACHE
    R.ClearStackCache("ignored")
    assert.are_not.equal(old, env.ZOBJECT_STACK_CACHE)
    assert.are.same({}, env.ZOBJECT_STACK_CACHE)
    assert.are.equal(0, pack(h:GetStack()).n)
  end)

  it("chains a result list whole and records its first value", function()
    local list = { 1, 2 }
    assert.are.equal(list, R.GenerateChain(h, list))
    R.SetCodeChaining(1)
    assert.are.same({ h, 1, 2 }, R.GenerateChain(h, list))
    R.SetCodeChaining(2)
    R.GenerateChain(h, {})
    R.GenerateChain(h, list)
    assert.are.same({ "", 1 }, env.ZOBJECT_STACK_CACHE.Input1)
  end)

  it("records nothing for a handle without an object name", function()
    R.SetCodeChaining(2)
    local page_like = { Name = "Page1", Type = 0 }
    assert.are.same({ page_like, 5 }, R.GenerateChain(page_like, { 5 }))
    assert.is_nil(next(env.ZOBJECT_STACK_CACHE))
  end)

  it("fails every chained method while the level is not a number", function()
    env.ZOBJECT_CODE_CHAINING = "1"
    assert.has_error(function() h:SetText("x") end)
  end)
end)
