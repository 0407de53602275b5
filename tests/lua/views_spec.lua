-- views_spec.lua: the property views of handles and their write-through to the host.
local support = require("support.rividi_state")
local raises_at = support.raises_at

local NOT_MODIFIABLE = "This key can not be modified!"

local project = {
  pages = {
    { name = "Page1", properties = { BackgroundColor = 1 }, objects = {
      { name = "Input1", type = "Input", properties = { Text = "Hello", Font = { Size = 10 }, [1] = "one" } },
    } },
  },
  dialogs = { { name = "Dialog1", properties = { BackgroundColor = 2 } } },
}

describe("a property view", function()
  local h, host, R, env
  before_each(function()
    h, host, R, env = support.new_handle_state(project, "Input1")
  end)

  it("writes through to the host and keeps showing the snapshot", function()
    h.Properties.Text = "Hi"
    assert.are.equal("Hi", env.Input.GetText("Input1"))
    assert.are.equal("Hello", h.Properties.Text)
    local written = host:last_call("Input", "SetProperties")
    assert.are.equal("Input1", written[1])
    assert.are.same(env.Input.GetProperties("Input1"), written[2])
  end)

  it("matches keys by their string form and writes back unchanged properties for an unknown key", function()
    h.Properties["1"] = "uno"
    assert.are.equal("uno", host:object("Input1").props[1])
    local before = env.Input.GetProperties("Input1")
    host:clear_log()
    h.Properties.Foo = "bar"
    assert.are.same(before, host:last_call("Input", "SetProperties")[2])
    assert.is_nil(host:object("Input1").props.Foo)
  end)

  it("refuses the keys Properties and _objhandle, and views without an owner, before any host call", function()
    raises_at(NOT_MODIFIABLE, function() h.Properties.Properties = {} end)
    raises_at(NOT_MODIFIABLE, function() h.Properties._objhandle = 1 end)
    raises_at(NOT_MODIFIABLE, function() h.Properties.Font.Size = 12 end)
    raises_at(NOT_MODIFIABLE, function() h.Properties._objhandle.ObjectName = "x" end)
    raises_at(NOT_MODIFIABLE, function() R.ReadOnly.make_read_only({ Text = "x" }).Text = "y" end)
    assert.are.same({}, host.log)
  end)

  it("shows nested tables and the owner as new views of its kind", function()
    local font = h.Properties.Font
    assert.are.equal("zObject", getmetatable(font))
    assert.are_not.equal(font, h.Properties.Font)
    assert.are.equal(10, font.Size)
    local owner = h.Properties._objhandle
    assert.are_not.equal(h, owner)
    assert.are.equal("zObject", getmetatable(owner))
    assert.are.equal("Input1", owner.ObjectName)
  end)

  it("is walked by its own kind's ropairs only", function()
    local keys = {}
    for k in R.ReadOnly.ropairs(h.Properties) do keys[#keys + 1] = tostring(k) end
    table.sort(keys)
    local expected = { "1", "_objhandle" }
    for k in pairs(env.Input.GetProperties("Input1")) do
      if k ~= 1 then expected[#expected + 1] = k end
    end
    table.sort(expected)
    assert.are.same(expected, keys)
    local refusal = "bad argument #1 to 'ropairs' (read-only table expected, got table)"
    raises_at(refusal, function() R.PD.ReadOnly.ropairs(h.Properties) end)
    raises_at(refusal, function() env.ropairs(h.Properties) end)
    raises_at(refusal, function() R.ReadOnly.ropairs(R._Vars) end)
    assert.is_nil(next(h.Properties))
    assert.are.equal(0, #h.Properties)
  end)

  describe("keeps ZOBJECT_SURPRESS_ERRORS", function()
    for _, switch in ipairs({ true, false, "on", 0 }) do
      it("at " .. tostring(switch) .. ", true during the host calls", function()
        local during = {}
        host:stub("Input", "SetProperties", function() during[#during + 1] = env.ZOBJECT_SURPRESS_ERRORS end)
        env.ZOBJECT_SURPRESS_ERRORS = switch
        h.Properties.Text = "x"
        assert.are.equal(switch, env.ZOBJECT_SURPRESS_ERRORS)
        assert.are.same({ true }, during)
      end)
    end

    it("as it was after a host call fails, passing the failure on", function()
      env.ZOBJECT_SURPRESS_ERRORS = false
      host:returns("Input", "GetProperties", nil)
      assert.has_error(function() h.Properties.Text = "x" end)
      assert.is_false(env.ZOBJECT_SURPRESS_ERRORS)
      host:unstub("Input", "GetProperties")
      host:raises("Input", "SetProperties", "host refused")
      local ok, message = pcall(function() h.Properties.Text = "x" end)
      assert.is_false(ok)
      assert.truthy(tostring(message):find("host refused", 1, true))
      assert.is_false(env.ZOBJECT_SURPRESS_ERRORS)
    end)
  end)
end)

describe("a page property view", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state(project)
    R = env.Rividi
  end)

  local function view_for(owner, properties)
    properties._objhandle = owner
    return R.PD.ReadOnly.make_read_only(properties)
  end

  it("writes a page handle's properties to the page and a dialog handle's to the dialog", function()
    view_for({ Name = "Page1", Type = 0 }, { BackgroundColor = 1 }).BackgroundColor = 5
    view_for({ Name = "Dialog1", Type = 1 }, { BackgroundColor = 2 }).BackgroundColor = 6
    assert.are.same({ BackgroundColor = 5 }, env.Application.GetPageProperties("Page1"))
    assert.are.same({ BackgroundColor = 6 }, env.Application.GetDialogProperties("Dialog1"))
  end)

  it("leaves ZOBJECT_SURPRESS_ERRORS alone and has its own metatable text", function()
    local during
    host:stub("Application", "SetPageProperties", function() during = env.ZOBJECT_SURPRESS_ERRORS end)
    env.ZOBJECT_SURPRESS_ERRORS = false
    local view = view_for({ Name = "Page1", Type = 0 }, { BackgroundColor = 1 })
    view.BackgroundColor = 5
    assert.is_false(during)
    assert.are.equal("zObjectPD", getmetatable(view))
    assert.are.equal(2, (function() local n = 0 for _ in R.PD.ReadOnly.ropairs(view) do n = n + 1 end return n end)())
    raises_at("bad argument #1 to 'ropairs' (read-only table expected, got table)",
      function() R.ReadOnly.ropairs(view) end)
  end)
end)
