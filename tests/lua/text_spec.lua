-- text_spec.lua: GetText and SetText with the rich-text flag, Append and its delimiters, ClearContents by type.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

describe("GetText and SetText", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state()
    R = env.Rividi
  end)

  local cases = {
    -- object, method, arguments, host table, expected host arguments
    { "Input1", "GetText", {}, "Input", { n = 1, "Input1" } },
    { "Input1", "GetText", { true }, "Input", { n = 1, "Input1" } },
    { "RichText1", "GetText", {}, "RichText", { n = 2, "RichText1", true } },
    { "RichText1", "GetText", { "x" }, "RichText", { n = 2, "RichText1", true } },
    { "RichText1", "GetText", { false }, "RichText", { n = 2, "RichText1", false } },
    { "Input1", "SetText", { "a", false }, "Input", { n = 2, "Input1", "a" } },
    { "RichText1", "SetText", { "a" }, "RichText", { n = 3, "RichText1", "a", true } },
    { "RichText1", "SetText", { "a", 0 }, "RichText", { n = 3, "RichText1", "a", true } },
    { "RichText1", "SetText", { "a", false }, "RichText", { n = 3, "RichText1", "a", false } },
  }
  for _, case in ipairs(cases) do
    local object, method, args, table_name, expected = unpack(case)
    it(object .. ":" .. method .. " with " .. #args .. " argument(s)", function()
      local h = R.Create(object)
      h[method](h, unpack(args))
      assert.are.same(expected, host:last_call(table_name, method))
    end)
  end

  it("writes the text and reads back only the host's first result", function()
    local h = R.Create("Input1")
    assert.are.equal(0, pack(h:SetText("new")).n)
    assert.are.equal("new", host:object("Input1").props.Text)
    host:returns("Input", "GetText", "one", "two")
    assert.are.same({ n = 1, "one" }, pack(h:GetText()))
    host:returns("Input", "GetText", nil)
    assert.are.equal(0, pack(h:GetText()).n)
  end)
end)

-- One object of each kind that ClearContents treats differently, named after its type table.
local every_type = { pages = { { name = "Page1", objects = {} } } }
for _, type_name in ipairs({ "Input", "RichText", "Paragraph", "Button", "Label", "Progress", "RadioButton",
  "CheckBox", "Tree", "ListBox", "ComboBox", "SlideShow", "Grid", "Image", "Flash", "Video", "Web", "Hotspot",
  "PDF", "QuickTime" }) do
  local objects = every_type.pages[1].objects
  objects[#objects + 1] = { name = type_name .. "1", type = type_name }
end

describe("Append", function()
  local env, host, R, h
  before_each(function()
    env, host = support.new_state()
    R = env.Rividi
    h = R.Create("Input1")
  end)

  local cases = {
    -- the text before, the handle's delimiter (nil: as made), Append's arguments, the text after
    { "Hello", nil, { " World" }, "Hello World" },
    { "Hello", ", ", { "a" }, "Hello, a" },
    { "Hello", ", ", { "a", "-" }, "Hello-a" },
    { "Hello", ", ", { "a", 5 }, "Hello, a" },
    { "", ";", { "a" }, ";a" },
  }
  for _, case in ipairs(cases) do
    local before, delimiter, args, after = unpack(case)
    it("appends " .. args[1] .. " to '" .. before .. "' with delimiter " .. tostring(args[2] or delimiter), function()
      env.Input.SetText("Input1", before)
      if delimiter then h:SetAppendDelimiter(delimiter) end
      assert.are.equal(0, pack(h:Append(unpack(args))).n)
      assert.are.equal(after, host:object("Input1").props.Text)
    end)
  end

  it("keeps a delimiter given to one call for that call only", function()
    h:SetAppendDelimiter("+")
    h:Append("a", "-")
    h:Append("b")
    assert.are.equal("Hello-a+b", host:object("Input1").props.Text)
  end)

  it("keeps one delimiter per handle", function()
    local other = R.Create("Input1")
    h:SetAppendDelimiter("|")
    other:Append("x")
    assert.are.equal("", other.DefaultAppendDelimiter)
    assert.are.equal("Hellox", host:object("Input1").props.Text)
  end)

  it("reads and writes rich text with the flag false", function()
    local rich = R.Create("RichText1")
    rich:Append("!")
    assert.are.same({ n = 2, "RichText1", false }, host:last_call("RichText", "GetText"))
    assert.are.same({ n = 3, "RichText1", "Rich!", false }, host:last_call("RichText", "SetText"))
  end)

  it("returns the handle alone at level 1 and records one entry at level 2", function()
    R.SetCodeChaining(1)
    assert.are.same({ n = 1, h }, pack(h:Append("a")))
    R.SetCodeChaining(2)
    h:Append("b")
    assert.are.same({ n = 1, "" }, pack(h:GetStack()))
  end)

  it("checks the text, at the calling line, before anything is read", function()
    raises_at("Argument 1 must be of type string!", function() h:Append(5) end)
    assert.are.same({}, host:calls("Input", "GetText"))
  end)

  it("puts the chain level back when an inner call raises", function()
    host:raises("Input", "GetText", "host failure")
    R.SetCodeChaining(2)
    assert.has_error(function() h:Append("a") end, "host failure")
    assert.are.equal(2, env.ZOBJECT_CODE_CHAINING)
  end)
end)

describe("SetAppendDelimiter", function()
  it("needs SetText in the type table and keeps the old delimiter otherwise", function()
    local env = support.new_state()
    local image = env.Rividi.Create("Image1")
    raises_at("This objecttype does not support this function!", function() image:SetAppendDelimiter(",") end)
    assert.are.equal("", image.DefaultAppendDelimiter)
    raises_at("Argument 1 must be of type string!", function() image:SetAppendDelimiter(1) end)
  end)
end)

describe("ClearContents", function()
  local env, host, R
  before_each(function()
    env, host = support.new_state(every_type)
    R = env.Rividi
  end)

  local cases = {
    -- object (its type table's name), the host call that empties it
    { "Input", "SetText", { n = 2, "Input1", "" } },
    { "RichText", "SetText", { n = 3, "RichText1", "", true } },
    { "Paragraph", "SetText", { n = 2, "Paragraph1", "" } },
    { "Button", "SetText", { n = 2, "Button1", "" } },
    { "Label", "SetText", { n = 2, "Label1", "" } },
    { "Progress", "SetText", { n = 2, "Progress1", "" } },
    { "RadioButton", "SetText", { n = 2, "RadioButton1", "" } },
    { "CheckBox", "SetText", { n = 2, "CheckBox1", "" } },
    { "Tree", "RemoveNode", { n = 2, "Tree1", "0" } },
    { "ListBox", "DeleteItem", { n = 2, "ListBox1", -1 } },
    { "ComboBox", "ResetContent", { n = 1, "ComboBox1" } },
    { "SlideShow", "DeleteSlide", { n = 2, "SlideShow1", -1 } },
    { "Grid", "DeleteAllItems", { n = 1, "Grid1" } },
  }
  for _, case in ipairs(cases) do
    local type_name, action, expected = unpack(case)
    it("empties a " .. type_name .. " with " .. action, function()
      local h = R.Create(type_name .. "1")
      host:clear_log()
      h:ClearContents()
      local calls = {}
      for _, entry in ipairs(host.log) do
        if entry.table == type_name then calls[#calls + 1] = entry.action end
      end
      assert.are.same({ action }, calls)
      assert.are.same(expected, host:last_call(type_name, action))
    end)
  end

  for _, type_name in ipairs({ "Image", "Flash", "Video", "Web", "Hotspot", "PDF", "QuickTime" }) do
    it("calls nothing for a " .. type_name .. " and returns through the chain", function()
      local h = R.Create(type_name .. "1")
      host:clear_log()
      assert.are.equal(0, pack(h:ClearContents()).n)
      R.SetCodeChaining(1)
      assert.are.same({ n = 1, h }, pack(h:ClearContents()))
      assert.are.same({}, host.log)
    end)
  end

  it("records one entry at level 2 however the object is emptied", function()
    local list = R.Create("ListBox1")
    R.SetCodeChaining(2)
    list:ClearContents()
    assert.are.same({ n = 1, "" }, pack(list:GetStack()))
  end)
end)
