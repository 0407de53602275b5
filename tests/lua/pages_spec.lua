-- pages_spec.lua: page and dialog handles: making them, their methods' defaults and object arguments, their
-- chained returns, CreateObject, Destroy and EasterEgg.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

local BACKGROUND = { BackgroundType = 0, GradientColorTop = 1, BackgroundColor = 1 }

local project = {
  pages = {
    -- A page named like an object: its handle must not touch that object's stack.
    { name = "Input1", properties = BACKGROUND, objects = {
      { name = "Input1", type = "Input" },
      { name = "Button1", type = "Button" },
    } },
    { name = "Page2", properties = { BackgroundColor = 5 } },
  },
  dialogs = { { name = "Dialog1", properties = BACKGROUND, objects = { { name = "Label1", type = "Label" } } } },
}

describe("GetPageHandle and GetDialogHandle", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state(project)
    R = env.Rividi
  end)

  it("make a page handle from the current page", function()
    local page = R.GetPageHandle()
    assert.are.equal("Input1", page.Name)
    assert.are.equal(0, page.Type)
    assert.are.equal("zObjectPD", getmetatable(page.Properties))
    assert.are.equal(1, page.Properties.BackgroundColor)
    assert.is_false(R.IsObject(page))
    assert.are_not.equal(page, R.GetPageHandle())
  end)

  it("make a dialog handle from the shown dialog", function()
    host:show_dialog("Dialog1")
    local dialog = R.GetDialogHandle()
    assert.are.equal("Dialog1", dialog.Name)
    assert.are.equal(1, dialog.Type)
    assert.is_function(dialog.Close)
    host:close_dialog()
    assert.is_nil(R.GetPageHandle().Close)
  end)

  it("refuse the wrong place, at the calling line, whatever the error switch says", function()
    raises_at("This function can be called from a dialog only!", function() R.GetDialogHandle() end)
    host:show_dialog("Dialog1")
    raises_at("This function can be called from a page only!", function() R.GetPageHandle() end)
  end)

  it("write properties through to the page or the dialog they were made for", function()
    local page = R.GetPageHandle()
    host:show_dialog("Dialog1")
    local dialog = R.GetDialogHandle()
    page.Properties.BackgroundColor = 7
    dialog.Properties.BackgroundColor = 8
    assert.are.equal(7, host:page("Input1").properties.BackgroundColor)
    assert.are.equal(8, host:dialog("Dialog1").properties.BackgroundColor)
    assert.are.equal(1, page.Properties.BackgroundColor)
  end)
end)

describe("a page or dialog method", function()
  local env, host, R, page, dialog, input
  before_each(function()
    env, host = support.new_state(project)
    R = env.Rividi
    page = R.GetPageHandle()
    input = R.Create("Input1")
    host:show_dialog("Dialog1")
    dialog = R.GetDialogHandle()
    host:close_dialog()
    host:clear_log()
  end)

  -- handle ("page" or "dialog"), method, arguments ("h": the input's handle), host action, what it receives
  local cases = {
    { "page", "ClickObject", { "h" }, "Page.ClickObject", { n = 1, "Input1" } },
    { "page", "DeleteObject", { "Button1" }, "Page.DeleteObject", { n = 1, "Button1" } },
    { "page", "GetObjectScript", { "h", "On Click" }, "Page.GetObjectScript", { n = 2, "Input1", "On Click" } },
    { "page", "GetRadioValue", {}, "Page.GetRadioValue", { n = 2, "", 0 } },
    { "page", "GetRadioValue", { 1, "2" }, "Page.GetRadioValue", { n = 2, "", 0 } },
    { "page", "GetRadioValue", { "g", 3 }, "Page.GetRadioValue", { n = 2, "g", 3 } },
    { "page", "Print", {}, "Page.Print", { n = 2, true, true } },
    { "page", "Print", { false, "x" }, "Page.Print", { n = 2, false, true } },
    { "page", "Redraw", { 1, 2 }, "Page.Redraw", { n = 0 } },
    { "page", "SetObjectScript", { "h", "On Click", "x = 1" }, "Page.SetObjectScript",
      { n = 3, "Input1", "On Click", "x = 1" } },
    { "page", "SetObjectZOrder", { "h", 2 }, "Page.SetObjectZOrder", { n = 3, "Input1", 2, "" } },
    { "page", "SetRadioValue", { "g" }, "Page.SetRadioValue", { n = 3, "g", "", 0 } },
    { "page", "StartTimer", {}, "Page.StartTimer", { n = 1, 1000 } },
    { "page", "StartTimer", { "250" }, "Page.StartTimer", { n = 1, 1000 } },
    { "page", "StartTimer", { 250 }, "Page.StartTimer", { n = 1, 250 } },
    { "page", "SetProperties", { BACKGROUND }, "Application.SetPageProperties", { n = 2, "Input1", BACKGROUND } },
    { "dialog", "Close", {}, "DialogEx.Close", { n = 1, 0 } },
    { "dialog", "Print", {}, "DialogEx.Print", { n = 2, true, true } },
    { "dialog", "SetFocus", { "h" }, "DialogEx.SetFocus", { n = 1, "Input1" } },
    { "dialog", "SetProperties", { BACKGROUND }, "Application.SetDialogProperties",
      { n = 2, "Dialog1", BACKGROUND } },
  }
  for _, case in ipairs(cases) do
    local which, method, args, action, expected = unpack(case)
    it("of a " .. which .. " handle: " .. method .. " with " .. #args .. " argument(s)", function()
      local handle = which == "page" and page or dialog
      if which == "dialog" then host:show_dialog("Dialog1") end
      local values = {}
      for i, v in ipairs(args) do values[i] = v == "h" and input or v end
      handle[method](handle, unpack(values))
      assert.are.same(expected, host:last_call(action:match("^(.-)%.(.*)$")))
    end)
  end

  it("checks the required arguments at the calling line; only an object position takes a handle", function()
    raises_at("Argument 1 must be of type string!", function() page:SetRadioValue(input) end)
    raises_at("Argument 1 must be of type string!", function() page:ClickObject(dialog) end)
    raises_at("Argument 2 must be of type number!", function() page:SetObjectZOrder("Input1", "top") end)
    raises_at("Argument 1 must be of type table!", function() dialog:SetProperties("x") end)
    for _, entry in ipairs(host.log) do assert.are.equal("String", entry.table) end
  end)

  it("returns the host's values, or the handle first from level 1, and records nothing at level 2", function()
    assert.are.same({ n = 1, { Width = 800, Height = 600 } }, pack(page:GetSize()))
    assert.are.equal(0, pack(page:StartTimer(250)).n)
    R.SetCodeChaining(1)
    assert.are.same({ n = 1, page }, pack(page:StartTimer(250)))
    R.SetCodeChaining(2)
    assert.are.same({ n = 2, page, env.OBJECT_INPUT }, pack(page:GetObjectType(input)))
    assert.are.same({ n = 1, page }, pack(page:Redraw()))
    host:show_dialog("Dialog1")
    assert.are.same({ n = 2, dialog, 2001 }, pack(dialog:GetWndHandle()))
    assert.are.same({}, env.ZOBJECT_STACK_CACHE)
  end)

  it("acts on the page current at the call, while SetProperties keeps to the handle's page", function()
    host:go_to_page("Page2")
    page:StartTimer(5)
    page:SetProperties({ BackgroundColor = 9 })
    assert.are.equal(5, host:page("Page2").timer)
    assert.are.equal(9, host:page("Input1").properties.BackgroundColor)
    assert.are.equal(5, host:page("Page2").properties.BackgroundColor)
  end)
end)

describe("CreateObject of a page or dialog handle", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state(project)
    R = env.Rividi
  end)

  it("is chained on a page handle", function()
    local page = R.GetPageHandle()
    local made = page:CreateObject(env.OBJECT_LABEL, "New1", { Text = "new" })
    assert.is_true(R.IsObject(made))
    assert.are.equal("new", host:object("New1", "Input1").props.Text)
    R.SetCodeChaining(1)
    local returned = pack(page:CreateObject(env.OBJECT_LABEL, "New2", {}))
    assert.are.equal(2, returned.n)
    assert.are.equal(page, returned[1])
    assert.are.equal("New2", returned[2].ObjectName)
  end)

  it("returns the object handle alone on a dialog handle, at every level", function()
    host:show_dialog("Dialog1")
    local dialog = R.GetDialogHandle()
    for level = 0, 2 do
      R.SetCodeChaining(level)
      local returned = pack(dialog:CreateObject(env.OBJECT_LABEL, "New" .. level, {}))
      assert.are.equal(1, returned.n)
      assert.are.equal("New" .. level, returned[1].ObjectName)
      assert.is_not_nil(host:object("New" .. level, "Dialog1"))
    end
    assert.are.same({}, env.ZOBJECT_STACK_CACHE)
  end)

  it("checks type, name and properties first", function()
    local page = R.GetPageHandle()
    raises_at("Argument 1 must be of type number!", function() page:CreateObject("New", {}, 1) end)
    raises_at("Argument 3 must be of type table!", function() page:CreateObject(1, "New") end)
    assert.are.same({}, host:calls("Page", "CreateObject"))
  end)
end)

describe("Destroy of a page handle", function()
  it("takes the methods away and leaves the fields and the page", function()
    local env, host = support.new_state(project)
    local page = env.Rividi.GetPageHandle()
    assert.are.equal(0, pack(page:Destroy()).n)
    assert.are.equal("Input1", page.Name)
    assert.are.equal(1, page.Properties.BackgroundColor)
    assert.has_error(function() page:Redraw() end)
    assert.is_not_nil(host:object("Input1"))
  end)
end)

describe("EasterEgg", function()
  local function egg(env)
    env.Rividi.Vars.CodeChunks.ByteVars.Cake.SheepGoToHeaven.GoatsGoToHell.EasterEgg()
  end

  it("fades the current page's background and shows one message", function()
    local env, host = support.new_state(project)
    egg(env)
    assert.are.same({ BackgroundType = env.BG_GRADIENT, GradientColorTop = 0, BackgroundColor = 192 },
      host:page("Input1").properties)
    assert.are.equal(1 + 256 + 207 + 193, #host:calls("Application", "SetPageProperties"))
    assert.are.same({ { title = "Ohmygawd!", text = "You actually found this nutty egg!", buttons = env.MB_OK,
      icon = env.MB_ICONEXCLAMATION } }, host.messages)
  end)

  it("works on the dialog while one is shown", function()
    local env, host = support.new_state(project)
    host:show_dialog("Dialog1")
    egg(env)
    assert.are.equal(192, host:dialog("Dialog1").properties.BackgroundColor)
    assert.are.same(BACKGROUND, host:page("Input1").properties)
    assert.are.same({}, host:calls("Application", "SetPageProperties"))
  end)
end)
