-- forwarding_spec.lua: the methods that forward to the host action of their name, on the simulated host.
local support = require("support.rividi_state")
local raises_at, P = support.raises_at, support.pack

-- Object name -> the type table it lives in.
local objects = {
  Rich = "RichText", Grid1 = "Grid", Movie = "QuickTime", Clip = "Video", Pic = "Image", List = "ListBox",
  Combo = "ComboBox", Tree1 = "Tree", Show = "SlideShow", Doc = "PDF", Browser = "Web", Bar = "Progress",
  Flash1 = "Flash", Para = "Paragraph", Check = "CheckBox", Btn = "Button",
}
local project = { pages = { { name = "P", objects = {} } } }
for name, type_name in pairs(objects) do
  table.insert(project.pages[1].objects, { name = name, type = type_name })
end

local UNSUPPORTED = "This objecttype does not support this function!"
local ALL, NONE = "all", "none"
local GIVES = P(7, 8) -- what a stubbed action returns unless a case says otherwise

local function new_state()
  local env, host = support.new_state(project)
  return env, host, env.Rividi
end

describe("a forwarding method", function()
  local cases = {
    -- object, method, arguments, the arguments the action receives, what the method returns of them
    { "Rich", "FindText", P("a"), P("Rich", "a", 1, -1, false, false), ALL },
    { "Rich", "FindText", P("a", "2", 3, true, 0), P("Rich", "a", 1, 3, true, false), ALL },
    { "Movie", "SetMute", P(), P("Movie", true), NONE },
    { "Movie", "SetMute", P("x"), P("Movie", true), NONE },
    { "Movie", "SetMute", P(false), P("Movie", false), NONE },
    { "Grid1", "AutoSize", P(), P("Grid1", 0, true), NONE },
    { "Grid1", "AutoSizeColumn", P(2), P("Grid1", 2, 0, true, true), NONE },
    { "Grid1", "SetCellFont", P(1, 2), P("Grid1", 1, 2, nil, true), NONE },
    { "Grid1", "SetCellFont", P(1, 2, "x", false), P("Grid1", 1, 2, nil, false), NONE },
    { "Grid1", "SetCellFont", P(1, 2, true), P("Grid1", 1, 2, true, true), NONE },
    { "Grid1", "LoadFromFile", P("a.csv"), P("Grid1", "a.csv", ",", true), ALL },
    { "Grid1", "SaveToFile", P("a.csv"), P("Grid1", "a.csv", ","), ALL },
    { "Grid1", "SetModified", P(), P("Grid1", true, -1, -1), NONE },
    { "Grid1", "SetUnhideRow", P(false), P("Grid1", false), ALL },
    { "Grid1", "GetCellState", P(1, 2, 3), P("Grid1", 1, 2), ALL },
    { "Grid1", "EnsureVisible", P(), P("Grid1", 0, 0), NONE },
    { "Grid1", "EnsureVisible", P(3, "x"), P("Grid1", 3, 0), NONE },
    { "Tree1", "EnsureVisible", P("1.2", 4), P("Tree1", "1.2", 4), NONE },
    { "Tree1", "EnsureVisible", P(3), P("Tree1", 3, 0), NONE },
    { "Tree1", "EnsureVisible", P(true, "x"), P("Tree1", 0, 0), NONE },
    { "List", "EnsureVisible", P(4), P("List", 4, 0), NONE },
    { "List", "GetChecked", P(), P("List", 1), ALL },
    { "List", "GetChecked", P("x"), P("List", 1), ALL },
    { "Check", "GetChecked", P(5), P("Check"), ALL },
    { "List", "GetCheckedCount", P(), P("List", nil), ALL },
    { "List", "GetCheckedCount", P(7), P("List", 7), ALL },
    { "List", "GetCheckedCount", P("x"), P("List", "x"), ALL },
    { "List", "InsertItem", P(2, "b"), P("List", 2, "b", ""), ALL },
    { "Combo", "AddItem", P("a", 5), P("Combo", "a", ""), NONE },
    { "Movie", "Play", P(), P("Movie", 1), NONE },
    { "Movie", "Play", P(3), P("Movie", 3), NONE },
    { "Clip", "Play", P(3), P("Clip"), NONE },
    { "Movie", "SetFullScreen", P(true), P("Movie", true, false, 2, 0), NONE },
    { "Movie", "SetFullScreen", P(false, true, "x", 5), P("Movie", false, true, 2, 5), NONE },
    { "Clip", "SetFullScreen", P(true, true, 5), P("Clip", true), NONE },
    { "Pic", "Load", P("p.png", true), P("Pic", "p.png"), NONE },
    { "Clip", "Load", P("v.avi"), P("Clip", "v.avi", false, false), NONE },
    { "Clip", "Seek", P(), P("Clip", 0, 0), ALL },
    { "Clip", "GetVolume", P(1), P("Clip"), ALL },
    { "Clip", "SetVolume", P(50), P("Clip", 50), NONE },
    { "Clip", "GetFileInfo", P("m.avi", 2), P("m.avi"), ALL },
    { "Doc", "Print", P(), P("Doc", 1, -1, true), ALL },
    { "Doc", "Print", P(true, 2), P("Doc", 1, 2, true), ALL },
    { "Browser", "Print", P(), P("Browser", false, true, nil), NONE },
    { "Browser", "Print", P(true, 1, 1), P("Browser", true, true, nil), NONE },
    { "Doc", "Navigate", P(3), P("Doc", 3), NONE },
    { "Browser", "Refresh", P(1), P("Browser"), NONE },
    { "Bar", "SetRange", P(10), P("Bar", 10), NONE },
    { "Bar", "StepIt", P(1, 2), P("Bar"), NONE },
    { "Para", "SetScrollPos", P(5), P("Para", 5, true), NONE },
    { "Flash1", "SetFlashVariable", P(1, 2), P("Flash1", 1, 2), NONE },
    { "Show", "AddSlide", P("a.png"), P("Show", "a.png", -1), ALL },
    { "Btn", "SetProperties", P({ Text = "x" }), P("Btn", { Text = "x" }), NONE },
    { "Btn", "GetState", P(), P("Btn"), ALL, gives = P(false, 0) },
    { "Btn", "GetState", P(), P("Btn"), ALL, gives = P() },
    { "Btn", "GetState", P(), P("Btn"), ALL, gives = P(nil, 5) },
  }

  -- At level 0 the method returns the action's values or nothing; above 0 the handle comes first; at
  -- level 2 the first value, or "" for none, nil or false, is appended to the object's stack.
  local function expected_return(h, level, gives, results)
    local values = results == ALL and gives or P()
    local list = { n = values.n }
    for i = 1, values.n do list[i] = values[i] end
    if level > 0 then list = P(h, unpack(list, 1, list.n)) end
    local first = values[1]
    if first == nil or first == false then first = "" end
    return list, level == 2 and { first } or nil
  end

  for _, case in ipairs(cases) do
    local object, method, args, received, results = unpack(case)
    local type_name, gives = objects[object], case.gives or GIVES
    for level = 0, 2 do
      it(object .. ":" .. method .. " with " .. args.n .. " argument(s) at level " .. level, function()
        local env, host, R = new_state()
        local h = R.Create(object)
        host:returns(type_name, method, unpack(gives, 1, gives.n))
        R.SetCodeChaining(level)
        local returned = P(h[method](h, unpack(args, 1, args.n)))
        local wanted, stack = expected_return(h, level, gives, results)
        assert.are.same({ received }, host:calls(type_name, method))
        assert.are.same(wanted, returned)
        assert.are.same(stack, env.ZOBJECT_STACK_CACHE[object])
      end)
    end
  end
end)

describe("a forwarding method's checks", function()
  local cases = {
    -- object, method, arguments, message
    { "Rich", "FindText", P(5), "Argument 1 must be of type string!" },
    { "Pic", "FindText", P(5), "Argument 1 must be of type string!" },
    { "Grid1", "SetCellFont", P(1), "Argument 2 must be of type number!" },
    { "Grid1", "SetCellText", P(1, 2, 3), "Argument 3 must be of type string!" },
    { "Tree1", "SetNode", P("1", "x"), "Argument 2 must be of type table!" },
    { "Movie", "SetFullScreen", P(), "Argument 1 must be of type boolean!" },
    { "Browser", "Navigate", P("http://x"), "Argument 1 must be of type number!" },
    { "Pic", "SetMute", P(), UNSUPPORTED },
    { "Btn", "ExpandNode", P("1"), UNSUPPORTED },
    { "Clip", "Print", P(), UNSUPPORTED },
    { "Btn", "MakeColorRGB", P(1, "2", 3), "Argument 2 must be of type number!" },
  }
  for _, case in ipairs(cases) do
    local object, method, args, message = unpack(case)
    for _, suppressed in ipairs({ true, false }) do
      it(object .. ":" .. method .. " raises '" .. message .. "' with suppression " .. tostring(suppressed), function()
        local env, host, R = new_state()
        local h = R.Create(object)
        host:clear_log()
        env.ZOBJECT_SURPRESS_ERRORS = suppressed
        raises_at(message, function() h[method](h, unpack(args, 1, args.n)) end)
        for _, entry in ipairs(host.log) do assert.are.equal("String", entry.table) end
      end)
    end
  end

  it("reports a receiver that is not a handle only while errors are not suppressed", function()
    local env, host, R = new_state()
    local stand_in = { ObjectName = "Movie", ObjectType = env.OBJECT_QUICKTIME }
    R.SetMute(stand_in)
    assert.are.same({ P("Movie", true) }, host:calls("QuickTime", "SetMute"))
    env.ZOBJECT_SURPRESS_ERRORS = false
    raises_at(R.NOOBJ, function() R.SetMute(stand_in) end)
    assert.are.equal(1, #host:calls("QuickTime", "SetMute"))
  end)
end)

describe("the host globals a forwarding method reads", function()
  it("reads defaults and the QuickTime and PDF types at the call, the image and list box types at the run", function()
    local env, host, R = new_state()
    local list, grid, clip, browser = R.Create("List"), R.Create("Grid1"), R.Create("Clip"), R.Create("Browser")
    env.BST_CHECKED, env.GVS_DEFAULT = 5, 3
    list:GetChecked()
    grid:AutoSizeColumns()
    assert.are.same(P("List", 5), host:last_call("ListBox", "GetChecked"))
    assert.are.same(P("Grid1", 3, true), host:last_call("Grid", "AutoSizeColumns"))
    env.OBJECT_QUICKTIME, env.OBJECT_PDF = env.OBJECT_VIDEO, env.OBJECT_WEB
    clip:Play()
    clip:SetFullScreen(true)
    browser:Print()
    assert.are.same(P("Clip", 1), host:last_call("Video", "Play"))
    assert.are.same(P("Clip", true, false, 2, 0), host:last_call("Video", "SetFullScreen"))
    assert.are.same(P("Browser", 1, -1, true), host:last_call("Web", "Print"))
    env.OBJECT_IMAGE, env.OBJECT_LISTBOX = env.OBJECT_VIDEO, env.OBJECT_CHECKBOX
    clip:Load("v.avi")
    R.Create("Check"):GetChecked()
    assert.are.same(P("Clip", "v.avi", false, false), host:last_call("Video", "Load"))
    assert.are.same(P("Check"), host:last_call("CheckBox", "GetChecked"))
  end)
end)

describe("MakeColorRGB", function()
  it("returns the grid action's values directly on any handle and on Rividi, at every level", function()
    local env, host, R = new_state()
    local button = R.Create("Btn")
    env.ZOBJECT_SURPRESS_ERRORS = false
    for level = 0, 2 do
      R.SetCodeChaining(level)
      assert.are.same(P(255), P(button:MakeColorRGB(255, 0, 0)))
      assert.are.same(P(255 + 2 * 65536), P(R:MakeColorRGB(255, 0, 2)))
    end
    assert.is_nil(env.ZOBJECT_STACK_CACHE.Btn)
    assert.are.same(P(255, 0, 2), host:last_call("Grid", "MakeColorRGB"))
    host:returns("Grid", "MakeColorRGB", 1, 2)
    assert.are.same(P(1, 2), P(button:MakeColorRGB(0, 0, 0, 9)))
  end)
end)

describe("the forwarding rows", function()
  -- As a tool outside the script reads them: the rows file run with a stub Rividi.
  local function read_rows()
    local env = { Rividi = { _Build = {} } }
    local chunk = assert(loadfile(support.root .. "/script/forwarding_rows.lua"))
    setfenv(chunk, env)
    chunk()
    return env.Rividi._Build.forwarding_rows
  end

  it("each name an action of at least one simulated type table, and of the type a variant names", function()
    local env = support.new_env()
    support.simhost.install(nil, env)
    local table_of = {} -- OBJECT_ constant's name -> its type table
    for _, kind in ipairs(dofile(support.root .. "/simhost/constants.lua").types) do
      table_of[kind[1]] = env[kind[3]]
    end
    for _, group in ipairs(read_rows()) do
      for _, row in ipairs(group) do
        local action, found = row.action or row.name, false
        for _, t in pairs(table_of) do found = found or type(t[action]) == "function" end
        assert.is_true(found, action)
        local variant = row.direct or row.special and row.special.type
        if variant then assert.is_function(table_of[variant][action], variant .. " " .. action) end
      end
    end
  end)
end)

describe("the contents the simulated host keeps", function()
  local R
  before_each(function()
    local _
    _, _, R = new_state()
  end)

  it("of a list box and a combo box", function()
    local list, combo = R.Create("List"), R.Create("Combo")
    list:AddItem("a", "1")
    list:AddItem("b")
    assert.are.equal(1, list:InsertItem(1, "z"))
    assert.are.same({ 3, "z", "1" }, { list:GetCount(), list:GetItemText(1), list:GetItemData(2) })
    list:SetItemText(3, "c")
    list:DeleteItem(1)
    assert.are.same({ 2, "a", "c" }, { list:GetCount(), list:GetItemText(1), list:GetItemText(2) })
    list:DeleteItem(-1)
    assert.are.equal(0, list:GetCount())
    combo:AddItem("x")
    combo:ResetContent()
    assert.are.equal(0, combo:GetCount())
  end)

  it("of a tree, by node paths", function()
    local tree = R.Create("Tree1")
    tree:InsertNode("1", { Text = "A" })
    tree:InsertNode("1.1", { Text = "A1" })
    tree:InsertNode("2", { Text = "B" })
    assert.are.same({ 2, 1, "A1" }, { tree:GetChildCount("0"), tree:GetChildCount("1"), tree:GetNode("1.1").Text })
    tree:SetNode("2", { Text = "C" })
    tree:RemoveNode("1")
    assert.are.same({ { Text = "C" } }, tree:GetChildren("0"))
    tree:RemoveNode("0")
    assert.are.same({ 0, -1 }, { tree:GetChildCount("0"), tree:GetChildCount("1") })
  end)

  it("of a slide show and a grid", function()
    local show, grid = R.Create("Show"), R.Create("Grid1")
    assert.are.equal(1, show:AddSlide("a.png"))
    assert.are.equal(1, show:AddSlide("b.png", 1))
    assert.are.same({ 2, "b.png" }, { show:GetSlideCount(), show:GetImagePath(1) })
    show:DeleteSlide(-1)
    assert.are.equal(0, show:GetSlideCount())
    grid:SetRowCount(2)
    grid:SetCellText(1, 2, "x")
    assert.are.same({ 2, "x" }, { grid:GetRowCount(), grid:GetCellText(1, 2) })
    grid:DeleteAllItems()
    assert.are.same({ 0, 0, "" }, { grid:GetRowCount(), grid:GetColumnCount(), grid:GetCellText(1, 2) })
  end)
end)
