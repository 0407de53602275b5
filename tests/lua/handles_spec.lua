-- handles_spec.lua: making, recognising and destroying handles, the name check and InitializeAllObjects.
local support = require("support.rividi_state")
local raises_at = support.raises_at

local NOT_AN_AMS_OBJECT = "Can not create luaobject from non-existing AMS object.\r\n\r\n"
  .. "You could create one using argument 1 as objectname and \r\n"
  .. "argument 2 as proppertiestable and argument 3 as object type."

describe("Rividi.Create", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state()
    R = env.Rividi
  end)

  it("makes a handle for an object of the page", function()
    local h = R.Create("Input1")
    assert.are.equal("Input1", h.ObjectName)
    assert.are.equal(env.OBJECT_INPUT, h.ObjectType)
    assert.are.equal("", h.DefaultAppendDelimiter)
    assert.are.same({ X = 10, Y = 10, Width = 200, Height = 24 }, h.OriginalRect)
    assert.are.equal("zObject", getmetatable(h.Properties))
    assert.are.equal("Hello", h.Properties.Text)
    local metatable = getmetatable(h)
    assert.are.equal(env.Rividi, metatable.__index)
    assert.are.equal("zObject", metatable.__type)
    assert.is_true(R.IsObject(h))
    assert.are_not.equal(h, R.Create("Input1"))
  end)

  it("creates the object first when given properties and a type, on the page or in the shown dialog", function()
    local h = R.Create("New1", { Text = "made", X = 1 }, env.OBJECT_INPUT)
    assert.are.equal("made", host:object("New1", "Page1").props.Text)
    assert.are.equal("made", h:GetText())
    host:show_dialog("Dialog1")
    R.Create("New2", { Text = "in dialog" }, env.OBJECT_LABEL)
    assert.are.equal("in dialog", host:object("New2", "Dialog1").props.Text)
    assert.is_nil(host:object("New2", "Page1"))
  end)

  it("calls CreateObject whenever both are given, and never with properties alone", function()
    R.Create("Input1", { Text = "ignored" })
    assert.are.same({}, host:calls("Page", "CreateObject"))
    assert.are.equal("Hello", env.Input.GetText("Input1"))
    R.Create("Input1", { Text = "again" }, env.OBJECT_INPUT)
    assert.are.equal(1, #host:calls("Page", "CreateObject"))
  end)

  it("checks its arguments in order, at the calling line, before creating anything", function()
    local h = R.Create("Input1")
    local I = env.OBJECT_INPUT
    raises_at("This method can not be used as method for existing objects.", function() h:Create("X") end)
    raises_at("Argument 1 must be of type string!", function() R.Create(5) end)
    raises_at("Argument 1 must be of type string!", function() R:Create("Input1") end)
    raises_at(NOT_AN_AMS_OBJECT, function() R.Create("Nope") end)
    raises_at(NOT_AN_AMS_OBJECT, function() R.Create("Nope", "not a table") end)
    raises_at("Argument 2 must be of type table or left empty!", function() R.Create("Input1", "x") end)
    raises_at("Argument 3 must be of type number or left empty!", function() R.Create("Input1", nil, "7") end)
    raises_at("Argument 3 must be of type number or left empty!", function() R.Create("Nope", {}, "7") end)
    raises_at("Argument 2 must be of type table when argument 3 is given!", function() R.Create("Input1", nil, I) end)
    assert.are.same({}, host:calls("Page", "CreateObject"))
  end)

  it("names a missing object given properties but no type, without making a handle", function()
    raises_at('Can not create luaobject for "Nope": no AMS object of a known type has this name.',
      function() R.Create("Nope", {}) end)
    assert.is_nil(host:object("Nope"))
  end)

  it("gives false for a plugin object", function()
    assert.is_false(R.Create("Plugin1"))
  end)

  it("leaves OriginalRect out for a type without GetSize", function()
    host:remove("Image", "GetSize")
    local h = R.Create("Image1")
    assert.is_nil(h.OriginalRect)
    assert.is_true(R.IsObject(h))
  end)
end)

describe("Rividi.IsObject", function()
  local env, R
  before_each(function()
    env = support.new_state()
    R = env.Rividi
  end)

  it("knows handles by the checkpoint behind their metatable", function()
    local function with_index(index) return setmetatable({}, { __index = index }) end
    local cases = {
      { nil, false }, { "Input1", false }, { {}, false }, { R, false },
      { setmetatable({}, { __metatable = "locked", __index = R }), false },
      { with_index(R), true },
      { with_index({ _Vars = { MetatableCheckpoint = 1503 } }), true },
      { with_index({ _Vars = { MetatableCheckpoint = 1504 } }), false },
      { with_index({ _Vars = { MetatableCheckpoint = "1503" } }), false },
      { with_index({ _Vars = 1503 }), false },
      { with_index(function() end), false },
    }
    for i, case in ipairs(cases) do assert.are.equal(case[2], R.IsObject(case[1]), "case " .. i) end
  end)

  it("compares with the checkpoint of the global Rividi of the moment", function()
    local h = R.Create("Input1")
    env.Rividi = { _Vars = { MetatableCheckpoint = 7 } }
    assert.is_false(R.IsObject(h))
    env.Rividi = R
    assert.is_true(R.IsObject(h))
  end)
end)

describe("Destroy", function()
  local env, host, R, h
  before_each(function()
    env, host = support.new_state()
    R = env.Rividi
    h = R.Create("Input1")
  end)

  it("detaches the handle, clears its stack and leaves the object", function()
    R.SetCodeChaining(2)
    h:GetText()
    local result = { h:Destroy() }
    assert.are.same({}, result)
    assert.is_nil(env.ZOBJECT_STACK_CACHE.Input1)
    assert.is_false(R.IsObject(h))
    assert.are.equal("Input1", h.ObjectName)
    assert.is_nil(h.GetText)
    assert.is_not_nil(host:object("Input1"))
    assert.has_error(function() h:Destroy() end)
  end)

  it("deletes the object only when told so with true", function()
    h:Destroy("yes")
    assert.is_not_nil(host:object("Input1"))
    R.Create("Input1"):Destroy(true)
    assert.is_nil(host:object("Input1"))
    host:show_dialog("Dialog1")
    R.Create("DialogInput"):Destroy(true)
    assert.is_nil(host:object("DialogInput", "Dialog1"))
  end)
end)

describe("the name check", function()
  local cases = {
    { "My Button", "Space found in name" },
    { "1 a", "Space found in name" },
    { "1a", "Number at start" },
    { "a-b", "Illegal character(s)" },
    { "a`b", "Illegal character(s)" },
    { "caf\233", "Illegal character(s)" },
    { "end", "Keyword" },
    { "this", "Keyword" },
    { "End" }, { "_x1" }, { "" }, { "Input1" },
  }
  local env = support.new_state()
  for _, case in ipairs(cases) do
    it(string.format("%q", case[1]), function()
      local ok, reason = env.Rividi._Helpers.lua_checkvarname(case[1])
      assert.are.equal(case[2] == nil, ok)
      assert.are.equal(case[2], reason)
    end)
  end
end)

describe("Rividi.InitializeAllObjects", function()
  local project = { pages = { { name = "P", objects = {
    { name = "Input1", type = "Input" },
    { name = "My Button", type = "Button" },
    { name = "Plugin1", type = "Plugin" },
    { name = "Label1", type = "Label" },
  } } }, dialogs = { { name = "D", objects = { { name = "Other", type = "Input" } } } } }

  local OVERWRITTEN = "Warning: Rividi [Input1] Overwritten: This variable already existed in Lua, "
    .. "it has been overwritten!\r\n"
  local IGNORED = "Warning: Rividi [My Button] Ignored: Invalid Name!\r\n"

  local cases = {
    { 0, 0, {} },
    { -1, 0, {} },
    { 1, 1, { IGNORED } },
    { 2, 2, { OVERWRITTEN, IGNORED } },
    { "2", 2, { OVERWRITTEN, IGNORED } },
    { 1.5, 2, { OVERWRITTEN, IGNORED } },
  }
  for _, case in ipairs(cases) do
    it("at level " .. string.format("%q", case[1]), function()
      local env, host = support.new_state(project)
      local R = env.Rividi
      local old = R.Create("Input1")
      env.Input1 = old
      assert.are.equal(case[2], R.InitializeAllObjects(case[1]))
      assert.are.same(case[3], host.printed)
      assert.is_true(R.IsObject(env.Input1))
      assert.are_not.equal(old, env.Input1)
      assert.are.equal("Label1", env.Label1.ObjectName)
      assert.is_nil(env["My Button"])
      assert.is_nil(env.Plugin1)
    end)
  end

  it("takes the shown dialog's objects", function()
    local env, host = support.new_state(project)
    host:show_dialog("D")
    assert.are.equal(0, env.Rividi.InitializeAllObjects(2))
    assert.are.equal("Other", env.Other.ObjectName)
    assert.is_nil(env.Label1)
  end)

  it("gives 0 for a page without objects and fails on a level that is not a number", function()
    local env = support.new_state({ pages = { { name = "Empty" } } })
    assert.are.equal(0, env.Rividi.InitializeAllObjects(2))
    local env2 = support.new_state(project)
    assert.has_error(function() env2.Rividi.InitializeAllObjects() end)
    assert.has_error(function() env2.Rividi.InitializeAllObjects("high") end)
  end)
end)

describe("the environment tests", function()
  it("tell a shown dialog and an existing positioned object", function()
    local env, host = support.new_state()
    local H = env.Rividi._Helpers
    assert.is_false(H.IsDialogEx())
    assert.is_true(H.IsAMSObject("Input1"))
    assert.is_false(H.IsAMSObject("Nope"))
    host:show_dialog("Dialog1")
    assert.is_true(H.IsDialogEx())
    assert.is_true(H.IsAMSObject("DialogInput"))
    assert.is_false(H.IsAMSObject("Input1"))
    host:close_dialog()
    host:returns("Input", "GetPos", nil)
    assert.is_false(H.IsAMSObject("Input1"))
  end)
end)
