-- fades_spec.lua: FadeIn and FadeOut: targets and their defaults, delays, whole steps, and an object whose
-- opacity does not follow.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

local project = { pages = { { name = "Page1", objects = {
  { name = "Box", type = "Input", properties = { Opacity = 50 } },
  { name = "Movie", type = "Flash" },
} } } }

-- The opacities set and the delays slept, in call order.
local function steps(host)
  local set, slept = {}, {}
  for _, args in ipairs(host:calls("Input", "SetOpacity")) do set[#set + 1] = args[2] end
  for _, args in ipairs(host:calls("Application", "Sleep")) do slept[#slept + 1] = args[1] end
  return set, slept
end

-- SetOpacity replaced by fn, for an object whose opacity does not follow; a fade that does not stop fails.
local function stub_opacity(host, fn)
  local calls = 0
  host:stub("Input", "SetOpacity", function(...)
    calls = calls + 1
    if calls > 10 then error("the fade does not stop", 0) end
    return fn(...)
  end)
end

describe("a fade", function()
  local box, host, R
  before_each(function()
    box, host, R = support.new_handle_state(project, "Box")
  end)

  local cases = {
    -- method, starting opacity, arguments, the opacity at the end, the steps it makes
    { "FadeIn", 97, {}, 100, 3 },
    { "FadeIn", 97, { 150 }, 100, 3 },
    { "FadeIn", 97, { -5 }, 100, 3 },
    { "FadeIn", 97, { "50" }, 100, 3 },
    { "FadeIn", 48, { 50.5 }, 51, 3 },
    { "FadeIn", 80, { 50 }, 80, 0 },
    { "FadeIn", 50, { 50 }, 50, 0 },
    { "FadeOut", 3, {}, 0, 3 },
    { "FadeOut", 3, { 150 }, 0, 3 },
    { "FadeOut", 3, { -1 }, 0, 3 },
    { "FadeOut", 3, { "x" }, 0, 3 },
    { "FadeOut", 52, { 49.5 }, 49, 3 },
    { "FadeOut", 20, { 40 }, 20, 0 },
  }
  for _, case in ipairs(cases) do
    local method, start, args, finish, count = unpack(case)
    it(method .. " from " .. start .. " with " .. tostring(args[1]) .. " ends at " .. finish, function()
      host:object("Box").props.Opacity = start
      assert.are.same({ n = 1, true }, pack(box[method](box, unpack(args))))
      assert.are.equal(finish, host:object("Box").props.Opacity)
      local set, slept = steps(host)
      assert.are.equal(count, #set)
      assert.are.equal(count, #slept)
    end)
  end

  it("steps by one and sleeps the delay after every step, 10 ms by default", function()
    host:object("Box").props.Opacity = 97
    box:FadeIn()
    local set, slept = steps(host)
    assert.are.same({ 98, 99, 100 }, set)
    assert.are.same({ 10, 10, 10 }, slept)
    box:FadeOut(97, 0)
    set, slept = steps(host)
    assert.are.same({ 0, 0, 0 }, { unpack(slept, 4) })
    assert.are.same({ 99, 98, 97 }, { unpack(set, 4) })
    box:FadeIn(98, -3)
    assert.are.equal(-3, host:last_call("Application", "Sleep")[1])
  end)

  it("returns false as soon as a step leaves the opacity where it was", function()
    stub_opacity(host, function() end)
    assert.is_false(box:FadeIn())
    assert.is_false(box:FadeOut())
    local set = steps(host)
    assert.are.same({ 51, 49 }, set)
  end)

  it("returns false when a step moves the opacity the wrong way", function()
    stub_opacity(host, function(name, value) host:object(name).props.Opacity = value - 2 end)
    assert.is_false(box:FadeIn())
    assert.are.equal(49, host:object("Box").props.Opacity)
  end)

  it("returns through the chain: the handle and true, one stack entry", function()
    R.SetCodeChaining(2)
    assert.are.same({ n = 2, box, true }, pack(box:FadeIn(52)))
    assert.are.same({ n = 1, true }, pack(box:GetStack()))
  end)

  it("needs SetOpacity in the type table", function()
    local movie = R.Create("Movie")
    raises_at("This objecttype does not support this function!", function() movie:FadeIn() end)
  end)
end)
