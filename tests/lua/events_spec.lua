-- events_spec.lua: event scripts, clicks, focus and z-order through the page or the shown dialog, and the
-- window-property helpers with their parameter strings.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

describe("the environment table", function()
  local h, host, R, env
  before_each(function()
    h, host, R, env = support.new_handle_state(nil, "Input1")
  end)

  it("is the dialog's while one is shown, asked anew at every call", function()
    local ReturnEnvironment = R._Helpers.ReturnEnvironment
    assert.are.equal(env.Page, ReturnEnvironment())
    host:show_dialog("Dialog1")
    assert.are.equal(env.DialogEx, ReturnEnvironment())
    host:close_dialog()
    assert.are.equal(env.Page, ReturnEnvironment())
    assert.are.equal(3, #host:calls("Application", "GetCurrentDialog"))
  end)

  local cases = {
    -- method, arguments, the Page or DialogEx action, what it receives
    { "SetScript", { "On Click", "x = 1" }, "SetObjectScript", { n = 3, "Input1", "On Click", "x = 1" } },
    { "GetScript", { "On Click" }, "GetObjectScript", { n = 2, "Input1", "On Click" } },
    { "Click", { "ignored" }, "ClickObject", { n = 1, "Input1" } },
    { "Focus", {}, "SetFocus", { n = 1, "Input1" } },
    { "SetZOrder", { 1 }, "SetObjectZOrder", { n = 3, "Input1", 1, "" } },
    { "SetZOrder", { 1, 5 }, "SetObjectZOrder", { n = 3, "Input1", 1, "" } },
    { "SetZOrder", { 2, "Button1" }, "SetObjectZOrder", { n = 3, "Input1", 2, "Button1" } },
  }
  for _, case in ipairs(cases) do
    local method, args, action, expected = unpack(case)
    it(method .. " with " .. #args .. " argument(s) calls the dialog's " .. action .. ", then the page's", function()
      host:show_dialog("Dialog1")
      h[method](h, unpack(args))
      assert.are.same(expected, host:last_call("DialogEx", action))
      assert.are.same({}, host:calls("Page", action))
      host:close_dialog()
      h[method](h, unpack(args))
      assert.are.same(expected, host:last_call("Page", action))
    end)
  end

  it("keeps scripts per place and returns them through the chain", function()
    h:SetScript("On Click", "page script")
    host:show_dialog("Dialog1")
    h:SetScript("On Click", "dialog script")
    assert.are.equal("dialog script", h:GetScript("On Click"))
    host:close_dialog()
    R.SetCodeChaining(1)
    assert.are.same({ n = 2, h, "page script" }, pack(h:GetScript("On Click")))
    R.SetCodeChaining(2)
    assert.are.same({ n = 1, h }, pack(h:Click()))
    assert.are.same({ n = 1, "" }, pack(h:GetStack()))
  end)

  it("checks arguments at the calling line, SetZOrder before choosing the environment", function()
    raises_at("Argument 2 must be of type string!", function() h:SetScript("On Click") end)
    assert.are.equal(1, #host:calls("Application", "GetCurrentDialog"))
    raises_at("Argument 1 must be of type number!", function() h:SetZOrder("top") end)
    assert.are.equal(1, #host:calls("Application", "GetCurrentDialog"))
    assert.are.same({}, host:calls("Page", "SetObjectScript"))
  end)
end)

describe("the window-property helpers", function()
  local env, host, H
  before_each(function()
    env, host = support.new_state()
    H = env.Rividi._Helpers
  end)

  local cases = {
    -- helper, arguments, function, parameter string, return-type constant
    { "SetProp", { 1000, "Tag", 42 }, "SetPropA", '1000,"Tag",42', "DLL_RETURN_TYPE_INTEGER" },
    { "GetProp", { 1000, "Tag" }, "GetPropA", '1000,"Tag"', "DLL_RETURN_TYPE_LONG" },
    { "RemoveProp", { 1000, "Tag" }, "RemovePropA", '1000,"Tag"', "DLL_RETURN_TYPE_INTEGER" },
    { "SetProp", { true, 7, nil }, "SetPropA", 'true,"7",nil', "DLL_RETURN_TYPE_INTEGER" },
    { "RemoveProp", { 1.5, 'a"b' }, "RemovePropA", '1.5,"a"b"', "DLL_RETURN_TYPE_INTEGER" },
  }
  for _, case in ipairs(cases) do
    local helper, args, fn, parameters, returns = unpack(case)
    it(helper .. " calls user32's " .. fn .. " with " .. parameters, function()
      H[helper](unpack(args, 1, 3))
      assert.are.same({ n = 5, "user32.dll", fn, parameters, env[returns], env.DLL_CALL_STDCALL },
        host:last_call("DLL", "CallFunction"))
    end)
  end

  it("keep a property in the host's window and give it back as a number", function()
    assert.are.equal("1", H.SetProp(1000, "Tag", 42))
    assert.are.equal(42, H.GetProp(1000, "Tag"))
    assert.are.equal("42", H.RemoveProp(1000, "Tag"))
    assert.are.equal(0, H.GetProp(1000, "Tag"))
  end)

  it("GetProp gives nil for a reply that is not numeric, or no reply at all", function()
    host:returns("DLL", "CallFunction", "not a number")
    assert.is_nil(H.GetProp(1000, "Tag"))
    host:returns("DLL", "CallFunction")
    assert.are.same({ n = 1 }, pack(H.GetProp(1000, "Tag")))
  end)

  it("reads the DLL table and the constants at the call", function()
    env.DLL_RETURN_TYPE_LONG = 99
    H.GetProp(1, "x")
    assert.are.equal(99, host:last_call("DLL", "CallFunction")[4])
  end)

  it("refuses a nil name with Lua's error", function()
    assert.has_error(function() H.SetProp(1000, nil, 1) end)
    assert.are.same({}, host:calls("DLL", "CallFunction"))
  end)
end)

describe("the window-property methods of handles", function()
  it("only return through the chain and touch no window", function()
    local env, host = support.new_state()
    local R = env.Rividi
    local h = R.Create("Input1")
    assert.are.equal(0, pack(h:SetProp(1000, "Tag", 1)).n)
    R.SetCodeChaining(1)
    assert.are.same({ n = 1, h }, pack(h:GetProp("anything")))
    R.SetCodeChaining(2)
    h:RemoveProp()
    assert.are.same({ n = 1, "" }, pack(h:GetStack()))
    assert.are.same({}, host:calls("DLL", "CallFunction"))
  end)
end)
