-- checks_spec.lua: receiver and argument checks, their messages and levels, and the method frame.
local support = require("support.rividi_state")
local raises_at = support.raises_at

local UNSUPPORTED = "This objecttype does not support this function!"
local NOOBJ = "This is not a valid zObject handle!"

describe("the checks", function()
  local env, host, R, H
  before_each(function()
    env, host = support.new_state()
    R, H = env.Rividi, env.Rividi._Helpers
  end)

  it("formats messages by replacing every %s", function()
    assert.are.equal("a 2 b 2", R.Errors.Format("a %s b %s", 2))
    assert.are.equal("Argument 3 must be of type table!", R.Errors.Format(R.Errors.TableError, 3))
  end)

  describe("A", function()
    -- A is called by a method, so it blames the method's caller.
    local function method(cond) H.A(cond, "bad receiver") end
    local cases = {
      { false, true, true },
      { false, 1, false },
      { false, false, false },
      { true, true, false },
      { nil, true, true },
      { "yes", true, true },
    }
    for _, case in ipairs(cases) do
      it("with the switch " .. tostring(case[1]) .. " and the condition " .. tostring(case[2]), function()
        env.ZOBJECT_SURPRESS_ERRORS = case[1]
        if case[3] then
          raises_at("bad receiver", function() method(case[2]) end)
        else
          method(case[2])
        end
        local expected = case[1]
        if type(expected) ~= "boolean" then expected = false end
        assert.are.equal(expected, env.ZOBJECT_SURPRESS_ERRORS)
      end)
    end
  end)

  describe("CheckArgs", function()
    local function method(checks, ...) H.CheckArgs(arg, checks) end
    local N, S, T, B = "number", "string", "table", "boolean"
    local cases = {
      { {}, { N }, "Argument 1 must be of type number!" },
      { { 5, "x" }, { N, N }, "Argument 2 must be of type number!" },
      { { "5" }, { N }, "Argument 1 must be of type number!" },
      { { 5 }, { S }, "Argument 1 must be of type string!" },
      { { 5 }, { T }, "Argument 1 must be of type table!" },
      { { 5 }, { B }, "Argument 1 must be of type boolean!" },
      { { "a", {}, true, 1 }, { S, T, B, N } },
      { { 1, "extra", {} }, { N } },
    }
    for i, case in ipairs(cases) do
      it("case " .. i .. ": " .. (case[3] or "passes"), function()
        local args, checks = case[1], case[2]
        if case[3] then
          raises_at(case[3], function() method(checks, unpack(args)) end)
        else
          method(checks, unpack(args))
        end
      end)
    end
  end)

  it("FunctionError always raises at the method's caller", function()
    local function method() H.FunctionError() end
    raises_at(UNSUPPORTED, function() method() end)
  end)

  describe("in a method", function()
    local h
    before_each(function() h = R.Create("Input1") end)

    it("lets a bad receiver through to Lua's own error while errors are suppressed", function()
      local ok, err = pcall(function() R.GetText(nil) end)
      assert.is_false(ok)
      assert.is_nil(err:find(NOOBJ, 1, true))
    end)

    it("reports a bad receiver at the calling line once the switch is not a boolean", function()
      env.ZOBJECT_SURPRESS_ERRORS = nil
      raises_at(NOOBJ, function() R.GetText(nil) end)
      assert.is_false(env.ZOBJECT_SURPRESS_ERRORS)
      raises_at(NOOBJ, function() R.SetText({ ObjectName = "Input1", ObjectType = env.OBJECT_INPUT }, "x") end)
      assert.are.equal("Hello", env.Input.GetText("Input1"))
    end)

    it("serves a table with ObjectName and ObjectType like a handle while errors are suppressed", function()
      h:Destroy()
      assert.are.equal("Hello", R.GetText(h))
    end)

    it("raises argument errors and missing actions whatever the switch says", function()
      local image = R.Create("Image1")
      for _, switch in ipairs({ true, false }) do
        env.ZOBJECT_SURPRESS_ERRORS = switch
        raises_at("Argument 1 must be of type string!", function() h:SetText(5) end)
        raises_at(UNSUPPORTED, function() image:GetText() end)
        raises_at("Argument 1 must be of type string!", function() image:SetText(5) end)
      end
      assert.are.same({}, host:calls("Input", "SetText"))
    end)

    it("tests availability at the call, on the host table as it is then", function()
      host:remove("Input", "GetText")
      raises_at(UNSUPPORTED, function() h:GetText() end)
      host:restore("Input", "GetText")
      assert.are.equal("Hello", h:GetText())
    end)

    it("passes host errors through unchanged", function()
      host:raises("Input", "SetText", "host says no")
      assert.has_error(function() h:SetText("x") end, "host says no")
    end)
  end)
end)
