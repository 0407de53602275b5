-- lock_spec.lua: the run's globals, the Rividi table it builds, and the lock over it.
local support = require("support.rividi_state")
local raises_at = support.raises_at

local LOCK_MESSAGE = "Altering this object will destroy the functionality of the \r\n"
  .. "Zentrix Rividi Action Plugin, and therefore will not be permitted.\r\n\r\n"

local function count_walk(nexter)
  local n, entries = 0, {}
  for k, v in nexter do
    n = n + 1
    entries[k] = v
  end
  return n, entries
end

describe("the script's run", function()
  local env, R
  before_each(function() env = support.new_state() R = env.Rividi end)

  it("sets the ZOBJECT_ globals", function()
    assert.is_true(env.ZOBJECT_SURPRESS_ERRORS)
    assert.are.equal(0, env.ZOBJECT_CODE_CHAINING)
    assert.are.same({}, env.ZOBJECT_STACK_CACHE)
    assert.are.equal(0, env.ZOBJECT_CHAINING_NONE)
    assert.are.equal(1, env.ZOBJECT_CHAINING_BASIC)
    assert.are.equal(2, env.ZOBJECT_CHAINING_STACK)
  end)

  it("builds the constants, messages and captured host library", function()
    local expected = { NUMBER = "number", STRING = "string", TABLE = "table", BOOLEAN = "boolean",
      FUNCTION = "function", NIL = "nil", USERDATA = "userdata", HOBJ = "zObject",
      NOOBJ = "This is not a valid zObject handle!" }
    for k, v in pairs(expected) do assert.are.equal(v, R[k]) end
    assert.are.same({ 0, 1, 2 }, { R.Constants.GRID_ALL, R.Constants.GRID_ROWS, R.Constants.GRID_COLUMNS })
    assert.are.equal("Argument %s must be of type number!", R.Errors.NumberError)
    assert.are.equal("Argument %s must be of type string!", R.Errors.StringError)
    assert.are.equal("Argument %s must be of type table!", R.Errors.TableError)
    assert.are.equal("Argument %s must be of type boolean!", R.Errors.BoolError)
    assert.are.equal(env.String.Replace, R.Errors.R)
    assert.are.equal(tostring, R.Errors.T)
    local helpers = { Error = error, Type = type, TC = env.Table.Count, GMT = getmetatable, SMT = setmetatable,
      TS = tostring, TN = tonumber }
    for k, v in pairs(helpers) do assert.are.equal(v, R._Helpers[k]) end
    assert.are.equal(env.Application.GetCurrentDialog, R._Helpers.Application.GetCurrentDialog)
    assert.is_table(R.Vars.CodeChunks.ByteVars.Cake.SheepGoToHeaven.GoatsGoToHell)
    assert.are.same({}, { next(R.PD.Page) })
  end)

  it("maps each OBJECT_ constant to its type table, as the host had them when the script ran", function()
    local names = { BUTTON = "Button", LABEL = "Label", PARAGRAPH = "Paragraph", IMAGE = "Image", FLASH = "Flash",
      VIDEO = "Video", WEB = "Web", INPUT = "Input", HOTSPOT = "Hotspot", LISTBOX = "ListBox",
      COMBOBOX = "ComboBox", PROGRESS = "Progress", TREE = "Tree", RADIOBUTTON = "RadioButton",
      RICHTEXT = "RichText", CHECKBOX = "CheckBox", SLIDESHOW = "SlideShow", GRID = "Grid", PLUGIN = "Plugin",
      PDF = "PDF", QUICKTIME = "QuickTime" }
    local input = env.OBJECT_INPUT
    env.OBJECT_INPUT = 99
    for constant, type_table in pairs(names) do
      local value = constant == "INPUT" and input or env["OBJECT_" .. constant]
      assert.are.equal(value, R._Vars.ObjectTypes["OBJECT_" .. constant])
      assert.are.equal(env[type_table].GetProperties, R._Vars.ObjectTable[value].GetProperties)
    end
    assert.are.equal(21, (count_walk(env.ropairs(R._Vars.ObjectTable))))
    assert.are.equal("Hello", R._Vars.ObjectTable[input].GetText("Input1"))
  end)

  it("fills the tables of the name check", function()
    local vn = R._Helpers.lua_checkvntable
    local n, not_allowed = count_walk(env.ropairs(vn.NotAllowed))
    assert.are.equal(192, n)
    assert.are.equal("`", not_allowed[192])
    local listed = {}
    for _, c in pairs(not_allowed) do listed[c] = true end
    for code = 1, 255 do
      local c = string.char(code)
      assert.are.equal(not c:match("[%w_]"), listed[c] == true, "character " .. code)
    end
    local numbers
    n, numbers = count_walk(env.ropairs(vn.Numbers))
    assert.are.equal(10, n)
    assert.are.same({ "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" }, numbers)
    local keywords
    n, keywords = count_walk(env.ropairs(vn.Keywords))
    assert.are.equal(22, n)
    assert.are.equal("this", keywords[11])
    assert.are.equal(0, (count_walk(env.ropairs(vn.RegisteredFunctions))))
  end)

  it("stops before Rividi exists when an OBJECT_ constant is missing", function()
    assert.has_error(function() support.new_state(nil, function(e) e.OBJECT_PDF = nil end) end)
    local env2 = support.new_env()
    support.simhost.install(nil, env2)
    env2.OBJECT_SLIDESHOW = nil
    assert.has_error(function() support.run_script(env2) end)
    assert.is_nil(env2.Rividi)
  end)

  it("leaves the entry of a missing type table empty", function()
    local env2 = support.new_state(nil, function(e) e.PDF = nil end)
    assert.is_nil(env2.Rividi._Vars.ObjectTable[env2.OBJECT_PDF])
  end)

  it("resets every global at a second run", function()
    local old_cache, old_rividi = env.ZOBJECT_STACK_CACHE, R
    env.ZOBJECT_SURPRESS_ERRORS, env.ZOBJECT_CODE_CHAINING = false, 2
    env.ZOBJECT_STACK_CACHE.Input1 = { "x" }
    support.run_script(env)
    assert.is_true(env.ZOBJECT_SURPRESS_ERRORS)
    assert.are.equal(0, env.ZOBJECT_CODE_CHAINING)
    assert.are.same({}, env.ZOBJECT_STACK_CACHE)
    assert.are_not.equal(old_cache, env.ZOBJECT_STACK_CACHE)
    assert.are_not.equal(old_rividi, env.Rividi)
    assert.is_true(env.Rividi.IsObject(env.Rividi.Create("Input1")))
  end)
end)

describe("the lock", function()
  local env, R
  before_each(function() env = support.new_state() R = env.Rividi end)

  it("gives a new view at every read of a table member", function()
    local a, b = R._Vars, R._Vars
    assert.are_not.equal(a, b)
    assert.are.equal(1503, a.MetatableCheckpoint)
    assert.are.equal(1503, b.MetatableCheckpoint)
    assert.are.equal("number", R.NUMBER)
    assert.are_not.equal(env.String, R._Helpers.String)
    assert.are.equal(env.String.Find, R._Helpers.String.Find)
  end)

  it("refuses writes at the assigning line and changes nothing", function()
    local create = R.Create
    raises_at(LOCK_MESSAGE, function() R.NewMember = 1 end)
    raises_at(LOCK_MESSAGE, function() R._Vars.MetatableCheckpoint = 0 end)
    raises_at(LOCK_MESSAGE, function() R.Create = nil end)
    raises_at(LOCK_MESSAGE, function() R._Helpers.String.Find = nil end)
    raises_at(LOCK_MESSAGE, function() R.NewMember = { __type = "something" } end)
    assert.is_nil(R.NewMember)
    assert.are.equal(1503, R._Vars.MetatableCheckpoint)
    assert.are.equal(create, R.Create)
    assert.is_function(env.String.Find)
  end)

  it("lets the permitted writes pass without storing them", function()
    R.Handle = { __type = "zObject" }
    R.PageHandle = { __type = "zObjectPD" }
    R.ReadOnlyError = 1
    R._Vars.ReadOnlyError = "x"
    assert.is_nil(R.Handle)
    assert.is_nil(R.PageHandle)
    assert.is_nil(R.ReadOnlyError)
    assert.is_nil(R._Vars.ReadOnlyError)
  end)

  it("hides and protects its metatable", function()
    assert.are.equal("read only table", getmetatable(R))
    assert.has_error(function() setmetatable(R, {}) end, "cannot change a protected metatable")
    assert.are.equal(0, #R)
    assert.is_nil(next(R))
    for _ in pairs(R) do error("pairs yielded an entry") end
  end)

  it("walks the members once each with ropairs, tables as views of the lock", function()
    local seen = {}
    for k, v in env.ropairs(R) do
      assert.is_nil(seen[k], k)
      seen[k] = true
      if type(v) == "table" then
        assert.are.equal("read only table", getmetatable(v))
        env.ropairs(v)
      end
    end
    for _, member in ipairs({ "NUMBER", "STRING", "TABLE", "BOOLEAN", "FUNCTION", "NIL", "USERDATA", "HOBJ",
      "NOOBJ", "Constants", "Errors", "Vars", "_Vars", "_Helpers", "IsObject", "ReadOnly", "PD",
      "SetCodeChaining", "GenerateChain", "GetStack", "ClearStack", "ClearStackCache",
      "InitializeAllObjects", "Destroy", "Create" }) do
      assert.is_true(seen[member], member)
    end
    assert.is_nil(seen._Build)
  end)

  it("starts a walk over when its nexter is called after the end", function()
    local nexter = env.ropairs(R.Constants)
    local first = nexter()
    assert.is_not_nil(first)
    assert.is_not_nil(nexter())
    assert.is_not_nil(nexter())
    assert.is_nil(nexter())
    assert.are.equal(first, nexter())
  end)

  it("walks only its own views", function()
    local h = R.Create("Input1")
    raises_at("bad argument #1 to 'ropairs' (read-only table expected, got table)", function() env.ropairs({}) end)
    raises_at("bad argument #1 to 'ropairs' (read-only table expected, got nil)", function() env.ropairs(nil) end)
    raises_at("bad argument #1 to 'ropairs' (read-only table expected, got table)",
      function() env.ropairs(h.Properties) end)
  end)

  it("wraps nested tables with make_read_only as the global is at the read", function()
    env.make_read_only = function() return "wrapped" end
    assert.are.equal("wrapped", R._Vars)
  end)
end)
