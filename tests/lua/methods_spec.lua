-- methods_spec.lua: the frame that turns a method row into a handle method.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

local project = { pages = { { name = "P", objects = {
  { name = "Rich", type = "RichText" },
  { name = "Grid1", type = "Grid" },
  { name = "Movie", type = "QuickTime" },
  { name = "Clip", type = "Video" },
  { name = "Pic", type = "Image" },
} } } }

-- Rows of the kinds the forwarding methods use, on actions the simulated host has.
local rows = {
  { name = "FindText", check = { "string" },
    defaults = { { 2, "number", 1 }, { 3, "number", -1 }, { 4, "boolean", false }, { 5, "boolean", false } } },
  { name = "AutoSize", results = "none",
    defaults = { { 1, "number", global = "GVS_DEFAULT" }, { 2, "boolean", true } } },
  { name = "SetCellFont", results = "none", check = { "number", "number" },
    defaults = { { 3, "boolean", nil }, { 4, "boolean", true } } },
  { name = "GetFileInfo", check = { "string" }, named = false },
  { name = "Play", results = "none", special = { type = "OBJECT_QUICKTIME", at_call = true,
    defaults = { { 1, "number", 1 } } } },
  { name = "GetLength", action = "GetState", results = "all" },
}

describe("a method made from a row", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state(project, nil, function(e) e.Rividi._Build.attach(rows) end)
    R = env.Rividi
  end)

  local cases = {
    -- object, method, arguments, host table and action, the arguments the action receives
    { "Rich", "FindText", { "a" }, "RichText.FindText", { n = 6, "Rich", "a", 1, -1, false, false } },
    { "Rich", "FindText", { "a", "2", 3, true, 0 }, "RichText.FindText", { n = 6, "Rich", "a", 1, 3, true, false } },
    { "Grid1", "AutoSize", {}, "Grid.AutoSize", { n = 3, "Grid1", 0, true } },
    { "Grid1", "SetCellFont", { 1, 2 }, "Grid.SetCellFont", { n = 5, "Grid1", 1, 2, nil, true } },
    { "Grid1", "SetCellFont", { 1, 2, true, 5 }, "Grid.SetCellFont", { n = 5, "Grid1", 1, 2, true, true } },
    { "Movie", "Play", {}, "QuickTime.Play", { n = 2, "Movie", 1 } },
    { "Movie", "Play", { 3 }, "QuickTime.Play", { n = 2, "Movie", 3 } },
    { "Clip", "Play", { 3 }, "Video.Play", { n = 1, "Clip" } },
    { "Clip", "GetLength", { 3 }, "Video.GetState", { n = 1, "Clip" } },
  }
  for _, case in ipairs(cases) do
    local object, method, args, action, expected = unpack(case)
    it(object .. ":" .. method .. " with " .. #args .. " argument(s)", function()
      local h = R.Create(object)
      h[method](h, unpack(args))
      assert.are.same(expected, host:last_call(action:match("^(.-)%.(.*)$")))
    end)
  end

  it("reads a default from a host global and an at-call type from the host's global at the call", function()
    local grid, clip = R.Create("Grid1"), R.Create("Clip")
    env.GVS_DEFAULT = 7
    grid:AutoSize()
    assert.are.same({ n = 3, "Grid1", 7, true }, host:last_call("Grid", "AutoSize"))
    env.OBJECT_QUICKTIME = env.OBJECT_VIDEO
    clip:Play()
    assert.are.same({ n = 2, "Clip", 1 }, host:last_call("Video", "Play"))
  end)

  it("calls an action without the object name", function()
    R.Create("Clip"):GetFileInfo("movie.avi")
    assert.are.same({ n = 1, "movie.avi" }, host:last_call("Video", "GetFileInfo"))
  end)

  it("returns every value of the action, chained, and records the first", function()
    local h = R.Create("Clip")
    host:returns("Video", "GetState", false, 2)
    assert.are.same({ n = 2, false, 2 }, pack(h:GetLength()))
    R.SetCodeChaining(1)
    assert.are.same({ n = 3, h, false, 2 }, pack(h:GetLength()))
    local grid = R.Create("Grid1")
    assert.are.same({ n = 1, grid }, pack(grid:AutoSize()))
    R.SetCodeChaining(2)
    h:GetLength()
    assert.are.same({ "" }, { h:GetStack() })
  end)

  it("checks the arguments before the availability test, at the calling line", function()
    local pic = R.Create("Pic")
    raises_at("Argument 1 must be of type string!", function() pic:FindText(5) end)
    raises_at("This objecttype does not support this function!", function() pic:FindText("a") end)
    raises_at("Argument 2 must be of type number!", function() R.Create("Grid1"):SetCellFont(1) end)
    assert.are.same({}, host:calls("RichText", "FindText"))
  end)
end)
