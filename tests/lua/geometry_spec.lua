-- geometry_spec.lua: the position, size, visibility and enabled primitives, rectangles, centring, the original
-- rectangle and the toggles.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

local project = {
  pages = { { name = "Page1", objects = {
    { name = "Box", type = "Input", properties = { X = 10, Y = 20, Width = 200, Height = 100 } },
    { name = "Frame", type = "Label", properties = { X = 100, Y = 50, Width = 301, Height = 41 } },
    { name = "Plugin1", type = "Plugin" },
    { name = "Pic", type = "Image" },
  } } },
  windows = { [7] = { Width = 200, Height = 301 } },
}

local function rect_of(host, name)
  local p = host:object(name).props
  return { X = p.X, Y = p.Y, Width = p.Width, Height = p.Height }
end

describe("the primitives", function()
  local box, host
  before_each(function()
    box, host = support.new_handle_state(project, "Box")
  end)

  local cases = {
    -- method, arguments, the host call, what the method returns at level 0
    { "SetPos", { 1, 2 }, { n = 3, "Box", 1, 2 }, {} },
    { "GetPos", {}, { n = 1, "Box" }, { { X = 10, Y = 20 } } },
    { "SetSize", { 3, 4 }, { n = 3, "Box", 3, 4 }, {} },
    { "GetSize", { "ignored" }, { n = 1, "Box" }, { { Width = 200, Height = 100 } } },
    { "SetVisible", { false }, { n = 2, "Box", false }, {} },
    { "IsVisible", {}, { n = 1, "Box" }, { true } },
    { "SetEnabled", { false }, { n = 2, "Box", false }, {} },
    { "IsEnabled", {}, { n = 1, "Box" }, { true } },
    { "SetOpacity", { 40 }, { n = 2, "Box", 40 }, {} },
    { "GetOpacity", {}, { n = 1, "Box" }, { 100 } },
  }
  for _, case in ipairs(cases) do
    local method, args, passed, returned = unpack(case)
    it(method .. " calls the host action of its name", function()
      local values = pack(box[method](box, unpack(args)))
      assert.are.same(passed, host:last_call("Input", method))
      assert.are.same(returned, { unpack(values, 1, values.n) })
    end)
  end

  it("check their arguments at the calling line", function()
    raises_at("Argument 2 must be of type number!", function() box:SetPos(1) end)
    raises_at("Argument 1 must be of type boolean!", function() box:SetVisible("yes") end)
    assert.are.same({}, host:calls("Input", "SetPos"))
  end)
end)

describe("GetRect and SetRect", function()
  local box, host, R, env
  before_each(function()
    box, host, R, env = support.new_handle_state(project, "Box")
  end)

  it("GetRect gives the host's size table with X and Y, a copy of nothing on the page", function()
    local size = { Width = 5, Height = 6 }
    host:returns("Input", "GetSize", size)
    local rect = box:GetRect()
    assert.are.equal(size, rect)
    assert.are.same({ X = 10, Y = 20, Width = 5, Height = 6 }, rect)
    assert.are.equal(2, #host:calls("Input", "GetPos"))
    rect.X = 99
    assert.are.equal(10, host:object("Box").props.X)
  end)

  local cases = {
    -- SetRect's arguments, the rectangle afterwards
    { { { X = 1, Y = 2 } }, { X = 1, Y = 2, Width = 200, Height = 100 } },
    { { 10, 20 }, { X = 10, Y = 20, Width = 200, Height = 100 } },
    { { nil, nil, 300 }, { X = 10, Y = 20, Width = 300, Height = 100 } },
    { { 1, 2, 3, 4 }, { X = 1, Y = 2, Width = 3, Height = 4 } },
    { { { X = "5", Y = 7, Width = 50, Height = 60 }, 1, 2 }, { X = 10, Y = 7, Width = 50, Height = 60 } },
    { {}, { X = 10, Y = 20, Width = 200, Height = 100 } },
  }
  for i, case in ipairs(cases) do
    local args, after = unpack(case)
    it("SetRect form " .. i .. " moves and sizes, always writing both", function()
      assert.are.equal(0, pack(box:SetRect(unpack(args, 1, 4))).n)
      assert.are.same(after, rect_of(host, "Box"))
      assert.are.same({ n = 3, "Box", after.X, after.Y }, host:last_call("Input", "SetPos"))
      assert.are.same({ n = 3, "Box", after.Width, after.Height }, host:last_call("Input", "SetSize"))
    end)
  end

  local refused = {
    { { "1" }, 1 }, { { 1, {} }, 2 }, { { 1, 2, "c" }, 3 }, { { nil, nil, nil, true }, 4 },
  }
  for _, case in ipairs(refused) do
    local args, position = unpack(case)
    it("SetRect refuses a non-number at position " .. position .. " before changing anything", function()
      raises_at("Argument " .. position .. " must be nil or of type number!",
        function() box:SetRect(unpack(args, 1, 4)) end)
      assert.are.same({}, host:calls("Input", "SetPos"))
      assert.are.same({}, host:calls("Input", "SetSize"))
    end)
  end

  it("SetRect records one entry at level 2 and puts the level back when an inner call raises", function()
    R.SetCodeChaining(2)
    box:SetRect(1, 2)
    assert.are.same({ n = 1, "" }, pack(box:GetStack()))
    host:raises("Input", "GetPos", "host failure")
    assert.has_error(function() box:SetRect(1, 2) end, "host failure")
    assert.are.equal(2, env.ZOBJECT_CODE_CHAINING)
  end)
end)

describe("Center and CenterRelative", function()
  local box, host, R
  before_each(function()
    box, host, R = support.new_handle_state(project, "Box")
  end)

  it("Center places the object in the window's middle, halves unrounded", function()
    box:Center(7)
    assert.are.same({ X = 0, Y = 100.5, Width = 200, Height = 100 }, rect_of(host, "Box"))
    assert.are.same({ n = 1, 7 }, host:last_call("Window", "GetSize"))
    raises_at("Argument 1 must be of type number!", function() box:Center("7") end)
  end)

  it("CenterRelative centres on another object, given by name or by handle", function()
    local expected = { X = 150.5 - 100 + 100, Y = 20.5 - 50 + 50, Width = 200, Height = 100 }
    box:CenterRelative("Frame")
    assert.are.same(expected, rect_of(host, "Box"))
    box:SetRect(0, 0)
    box:CenterRelative(R.Create("Frame"))
    assert.are.same(expected, rect_of(host, "Box"))
  end)

  it("CenterRelative leaves the reference's stack empty and records one entry of its own", function()
    local frame = R.Create("Frame")
    R.SetCodeChaining(2)
    frame:GetOpacity()
    assert.are.same({ n = 1, box }, pack(box:CenterRelative(frame)))
    assert.are.equal(0, pack(frame:GetStack()).n)
    assert.are.same({ n = 1, "" }, pack(box:GetStack()))
    assert.is_not_nil(host:object("Frame"))
  end)

  local refused = {
    -- argument (a function of the state, for handles), message
    { function() return "Box" end, "Argument 1 can not be the same as this object!" },
    { function(rividi) return rividi.Create("Box") end, "Argument 1 can not be the same as this object!" },
    { function() return "Nope" end, "Argument 1 must be an existing AMS object!" },
    { function() return 5 end, "Argument 1 must be of type string or an objecthandle!" },
    { function() return nil end, "Argument 1 must be of type string or an objecthandle!" },
    { function() return {} end, "Given object is not valid!!" },
    { function() return "Plugin1" end, "Argument 1 can not be a plugin object!" },
  }
  for _, case in ipairs(refused) do
    local make, message = unpack(case)
    it("CenterRelative refuses with " .. message, function()
      local target = make(R)
      host:clear_log()
      raises_at(message, function() box:CenterRelative(target) end)
      assert.are.same({}, host:calls("Input", "SetPos"))
    end)
  end
end)

describe("RestoreOriginalRect and the toggles", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state(project)
    R = env.Rividi
  end)

  it("RestoreOriginalRect puts back the rectangle of the moment the handle was made", function()
    local box = R.Create("Box")
    box:SetRect(1, 2, 3, 4)
    local later = R.Create("Box")
    box:SetRect(5, 6, 7, 8)
    box:RestoreOriginalRect()
    assert.are.same({ X = 10, Y = 20, Width = 200, Height = 100 }, rect_of(host, "Box"))
    later:RestoreOriginalRect()
    assert.are.same({ X = 1, Y = 2, Width = 3, Height = 4 }, rect_of(host, "Box"))
  end)

  it("RestoreOriginalRect on a handle made without GetSize raises from the inner GetRect", function()
    host:remove("Image", "GetSize")
    local pic = R.Create("Pic")
    local ok, err = pcall(pic.RestoreOriginalRect, pic)
    assert.is_false(ok)
    assert.matches("This objecttype does not support this function!$", err)
    assert.are.same({}, host:calls("Image", "SetPos"))
  end)

  it("ToggleVisible and ToggleEnabled flip the state through the host, twice back to the start", function()
    local box = R.Create("Box")
    box:ToggleVisible()
    assert.is_false(host:object("Box").props.Visible)
    box:ToggleVisible()
    assert.is_true(host:object("Box").props.Visible)
    assert.are.equal(2, #host:calls("Input", "SetVisible"))
    R.SetCodeChaining(1)
    assert.are.same({ n = 1, box }, pack(box:ToggleEnabled()))
    assert.is_false(host:object("Box").props.Enabled)
  end)

  it("the toggles need the setter in the type table", function()
    local box = R.Create("Box")
    host:remove("Input", "SetEnabled")
    raises_at("This objecttype does not support this function!", function() box:ToggleEnabled() end)
    assert.are.same({}, host:calls("Input", "IsEnabled"))
  end)
end)
