-- simhost_spec.lua: the simulated host behaves as the object model's tests rely on.
local support = require("support.rividi_state")
local simhost = support.simhost

local function new_host(project)
  local env = support.new_env()
  return simhost.install(project, env), env
end

describe("the simulated host", function()
  it("numbers OBJECT_BUTTON to OBJECT_GRID 0 to 17 and gives the other three distinct numbers", function()
    local _, env = new_host()
    local names = { "BUTTON", "LABEL", "PARAGRAPH", "IMAGE", "FLASH", "VIDEO", "WEB", "INPUT", "HOTSPOT",
      "LISTBOX", "COMBOBOX", "PROGRESS", "TREE", "RADIOBUTTON", "RICHTEXT", "CHECKBOX", "SLIDESHOW", "GRID" }
    for i, name in ipairs(names) do assert.are.equal(i - 1, env["OBJECT_" .. name]) end
    local seen = {}
    for _, name in ipairs({ "OBJECT_PLUGIN", "OBJECT_PDF", "OBJECT_QUICKTIME" }) do
      local value = env[name]
      assert.is_number(value)
      assert.is_true(value < 0 or value > 17)
      assert.is_nil(seen[value])
      seen[value] = true
    end
  end)

  it("offers on each type table the actions of its kind", function()
    local _, env = new_host()
    assert.is_nil(env.Image.SetText)
    assert.is_function(env.Tree.RemoveNode)
    assert.is_function(env.Input.SetText)
    assert.is_nil(env.Hotspot.SetOpacity)
    assert.are.equal(255 + 128 * 256 + 1 * 65536, env.Grid.MakeColorRGB(255, 128, 1))
  end)

  it("finds objects by name among the current place's objects of the table's type", function()
    local host, env = new_host()
    assert.are.equal("Hello", env.Input.GetText("Input1"))
    assert.is_nil(env.Button.GetText("Input1"))
    host:show_dialog("Dialog1")
    assert.is_nil(env.Input.GetText("Input1"))
    assert.are.equal("In the dialog", env.Input.GetText("DialogInput"))
    assert.are.equal(env.OBJECT_INPUT, env.Page.GetObjectType("Input1"))
    assert.are.equal(-1, env.DialogEx.GetObjectType("Input1"))
    assert.are.equal("Dialog1", env.Application.GetCurrentDialog())
    env.DialogEx.Close(0)
    assert.are.equal("", env.Application.GetCurrentDialog())
  end)

  it("hands out fresh property tables and stores what SetProperties is given", function()
    local host, env = new_host()
    local p = env.Input.GetProperties("Input1")
    p.Text = "changed"
    assert.are.equal("Hello", env.Input.GetText("Input1"))
    assert.are_not.equal(p, env.Input.GetProperties("Input1"))
    env.Input.SetProperties("Input1", { Text = "Set", Foo = { 1 } })
    assert.are.equal("Set", env.Input.GetText("Input1"))
    assert.are.same({ 1 }, host:object("Input1").props.Foo)
    assert.are.same({ X = 10, Y = 10 }, env.Input.GetPos("Input1"))
  end)

  it("creates, enumerates and deletes objects of the current page", function()
    local host, env = new_host({ pages = { { name = "Empty" } } })
    assert.is_nil(env.Page.EnumerateObjects())
    env.Page.CreateObject(env.OBJECT_LABEL, "Label1", { Text = "L", X = 5 })
    env.Page.CreateObject(env.OBJECT_INPUT, "Label1", { Text = "not made" })
    assert.are.same({ "Label1" }, env.Page.EnumerateObjects())
    assert.are.equal("L", env.Label.GetText("Label1"))
    assert.are.equal(5, host:object("Label1").props.X)
    env.Page.DeleteObject("Label1")
    assert.is_nil(env.Page.EnumerateObjects())
    assert.are.equal(-1, env.Page.GetObjectType("Label1"))
  end)

  it("keeps page and dialog properties by name and records sleeps without sleeping", function()
    local host, env = new_host({ pages = { { name = "P", properties = { BackgroundColor = 1 } } },
      dialogs = { { name = "D", properties = { BackgroundColor = 2 } } } })
    env.Application.SetPageProperties("P", { BackgroundColor = 3 })
    assert.are.same({ BackgroundColor = 3 }, env.Application.GetPageProperties("P"))
    assert.are.same({ BackgroundColor = 2 }, env.Application.GetDialogProperties("D"))
    env.Application.Sleep(10)
    env.Application.Sleep(5)
    assert.are.equal(15, host:slept())
  end)

  describe("String", function()
    local _, env = new_host()
    local S = env.String
    local cases = {
      { "Find", { "abcabc", "c" }, 3 },
      { "Find", { "abcabc", "c", 4 }, 6 },
      { "Find", { "abc", "x" }, -1 },
      { "Find", { "aBc", "b" }, 2 },
      { "Find", { "aBc", "b", 1, true }, -1 },
      { "Find", { "a%b", "%" }, 2 },
      { "ReverseFind", { "abcabc", "b" }, 5 },
      { "ReverseFind", { "abc", "x" }, -1 },
      { "Left", { "abcdef", 2 }, "ab" },
      { "Right", { "abcdef", 2 }, "ef" },
      { "Mid", { "abcdef", 2, 3 }, "bcd" },
      { "Mid", { "abcdef", 3, -1 }, "cdef" },
      { "Length", { "abc" }, 3 },
      { "Replace", { "a%sb%s", "%s", "2" }, "a2b2" },
      { "Replace", { "aAa", "a", "x" }, "xxx" },
      { "Replace", { "aAa", "a", "x", true }, "xAx" },
      { "Compare", { "a", "b" }, -1 },
      { "CompareNoCase", { "ABC", "abc" }, 0 },
      { "TrimLeft", { "  x " }, "x " },
      { "TrimRight", { "xyy", "y" }, "x" },
      { "ToNumber", { "12.5" }, 12.5 },
      { "ToNumber", { "twelve" }, 0 },
      { "CompareFileVersions", { "1.2.10", "1.2.9" }, 1 },
      { "MakePath", { { Drive = "C:", Folder = "\\A\\", Filename = "b", Extension = ".txt" } }, "C:\\A\\b.txt" },
    }
    for _, case in ipairs(cases) do
      it(case[1] .. "(" .. table.concat((function()
        local shown = {}
        for i, v in ipairs(case[2]) do shown[i] = tostring(v) end
        return shown
      end)(), ", ") .. ")", function()
        assert.are.equal(case[3], S[case[1]](unpack(case[2])))
      end)
    end

    it("splits paths into Drive, Folder, Filename and Extension", function()
      assert.are.same({ Drive = "C:", Folder = "\\Dir\\Sub\\", Filename = "file.name", Extension = ".txt" },
        S.SplitPath("C:\\Dir\\Sub\\file.name.txt"))
      assert.are.same({ Drive = "", Folder = "", Filename = "readme", Extension = "" }, S.SplitPath("readme"))
    end)
  end)

  it("logs every action with its table, name and arguments, nils included", function()
    local host, env = new_host()
    env.Input.SetText("Input1", nil)
    env.String.Length("ab")
    assert.are.same({ table = "Input", action = "SetText", args = { n = 2, "Input1" } }, host.log[1])
    assert.are.same({ n = 1, "ab" }, host:last_call("String", "Length"))
    assert.are.equal(2, #host.log)
    host:clear_log()
    assert.are.same({}, host:calls("Input", "SetText"))
  end)

  it("makes an action return given values, raise, or be missing, and undoes it", function()
    local host, env = new_host()
    host:returns("Input", "GetText", "a", nil, "c")
    assert.are.same({ n = 3, "a", nil, "c" }, support.pack(env.Input.GetText("Input1")))
    host:raises("Input", "GetText", "host failure")
    assert.has_error(function() env.Input.GetText("Input1") end, "host failure")
    host:unstub("Input", "GetText")
    assert.are.equal("Hello", env.Input.GetText("Input1"))
    assert.are.equal(3, #host:calls("Input", "GetText"))
    host:remove("Input", "GetText")
    assert.is_nil(env.Input.GetText)
    host:restore("Input", "GetText")
    assert.are.equal("Hello", env.Input.GetText("Input1"))
  end)

  it("installs into the given environment only", function()
    local _, env = new_host()
    assert.is_table(env.Input)
    assert.is_nil(rawget(_G, "OBJECT_INPUT"))
  end)

  it("finds its own folder in Linux and Windows paths", function()
    local cases = {
      { "@/work/main/simhost/init.lua", "/work/main/simhost/" },
      { "@Z:\\work\\main\\simhost\\init.lua", "Z:\\work\\main\\simhost\\" },
      { "@Z:/work/main/simhost/init.lua", "Z:/work/main/simhost/" },
      { "@init.lua", "" },
    }
    for _, case in ipairs(cases) do assert.are.equal(case[2], simhost.directory_of(case[1])) end
  end)

  it("refuses a project object of an unknown type", function()
    assert.has_error(function()
      new_host({ pages = { { name = "P", objects = { { name = "X", type = "Nope" } } } } })
    end)
  end)
end)
