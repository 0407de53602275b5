-- strings_spec.lua: the string utilities: what each passes to the host's String action, what it writes back or
-- returns, SplitPath's path part codes, and one stack entry per call at level 2.
local support = require("support.rividi_state")
local raises_at, pack = support.raises_at, support.pack

local PATH = "C:\\Work\\Notes.txt"
local project = { pages = { { name = "Page1", objects = {
  { name = "Path1", type = "Input", properties = { Text = PATH } },
} } } }

local PARTS = { Drive = "D:", Folder = "\\x\\", Filename = "y", Extension = ".z" }

-- method, arguments, the String action's arguments, the results at level 0, the text afterwards (nil: unchanged)
local cases = {
  { "AbbreviateFilePath", { 8 }, { n = 2, PATH, 8 }, {}, "C:\\...\\Notes.txt" },
  { "Mid", { 4, 4, "more", 7 }, { n = 5, PATH, 4, 4, "more", 7 }, {}, "Work" },
  { "Right", { 3 }, { n = 2, PATH, 3 }, {}, "txt" },
  { "Left", { 2 }, { n = 2, PATH, 2 }, {}, "C:" },
  { "CompareFileVersions", { "1.0" }, { n = 2, PATH, "1.0" }, { -1 } },
  { "ToNumber", { "ignored" }, { n = 1, PATH }, { 0 } },
  { "Replace", { "notes", "Tasks" }, { n = 4, PATH, "notes", "Tasks", false }, {}, "C:\\Work\\Tasks.txt" },
  { "Replace", { "notes", "Tasks", true }, { n = 4, PATH, "notes", "Tasks", true }, {}, PATH },
  { "Length", {}, { n = 1, PATH }, { #PATH } },
  { "Lower", {}, { n = 1, PATH }, {}, PATH:lower() },
  { "Upper", {}, { n = 1, PATH }, {}, PATH:upper() },
  { "CompareNoCase", { "c:\\work\\notes.txt", "extra" }, { n = 2, PATH, "c:\\work\\notes.txt" }, { 0 } },
  { "Compare", { "D", "extra" }, { n = 2, PATH, "D" }, { -1 } },
  { "TrimLeft", { "C:" }, { n = 2, PATH, "C:" }, {}, "\\Work\\Notes.txt" },
  { "TrimLeft", { 5 }, { n = 2, PATH, nil }, {}, PATH },
  { "TrimRight", { "xt" }, { n = 2, PATH, "xt" }, {}, "C:\\Work\\Notes." },
  { "Find", { "o" }, { n = 4, PATH, "o", 1, false }, { 5 } },
  { "Find", { "o", "2" }, { n = 4, PATH, "o", 1, false }, { 5 } },
  { "Find", { "o", 6, true }, { n = 4, PATH, "o", 6, true }, { 10 } },
  { "ReverseFind", { "o", true }, { n = 3, PATH, "o", true }, { 10 } },
  { "ReverseFind", { "o", 5 }, { n = 3, PATH, "o", false }, { 10 } },
  { "MakePath", { PARTS }, { n = 1, PARTS }, {}, "D:\\x\\y.z" },
}

describe("a string utility", function()
  local h, host, R
  before_each(function()
    h, host, R = support.new_handle_state(project, "Path1")
  end)

  for _, case in ipairs(cases) do
    local method, args, passed, results, after = unpack(case)
    it(method .. " with " .. #args .. " argument(s)", function()
      local returned = pack(h[method](h, unpack(args)))
      assert.are.same(passed, host:last_call("String", method))
      assert.are.same(results, { unpack(returned, 1, returned.n) })
      assert.are.equal(after or PATH, host:object("Path1").props.Text)
    end)
  end

  for _, case in ipairs(cases) do
    local method, args, _, results = unpack(case)
    it(method .. " adds exactly one stack entry at level 2", function()
      R.SetCodeChaining(2)
      local returned = pack(h[method](h, unpack(args)))
      assert.are.equal(h, returned[1])
      assert.are.same({ n = 1, results[1] or "" }, pack(h:GetStack()))
    end)
  end

  it("writes the result back even when it is the old text", function()
    h:Replace("absent", "x")
    assert.are.same({ n = 2, "Path1", PATH }, host:last_call("Input", "SetText"))
  end)

  it("never reads the text for MakePath, yet needs GetText in the type table", function()
    h:MakePath(PARTS)
    assert.are.same({}, host:calls("Input", "GetText"))
    host:remove("Input", "GetText")
    raises_at("This objecttype does not support this function!", function() h:MakePath(PARTS) end)
  end)

  it("checks its arguments at the calling line before calling the host", function()
    raises_at("Argument 1 must be of type string!", function() h:Find(5) end)
    raises_at("Argument 1 must be of type number!", function() h:Left("3") end)
    raises_at("Argument 2 must be of type number!", function() h:Mid(1) end)
    raises_at("Argument 1 must be of type table!", function() h:MakePath("C:") end)
    assert.are.same({}, host:calls("Input", "GetText"))
  end)

  it("needs SetText as well as GetText, readers included", function()
    host:remove("Input", "SetText")
    raises_at("This objecttype does not support this function!", function() h:Length() end)
  end)
end)

describe("SplitPath", function()
  local env, host, h
  before_each(function()
    env, host = support.new_state(project)
    h = env.Rividi.Create("Path1")
    host:clear_log()
  end)

  it("has the path part codes as globals", function()
    local codes = { env.ZOBJECT_FILENAME, env.ZOBJECT_EXTENSION, env.ZOBJECT_DRIVE, env.ZOBJECT_FOLDER }
    assert.are.same({ 0, 1, 2, 3 }, codes)
  end)

  local code_cases = {
    -- the codes given, how many, the text afterwards, how many times String.SplitPath is called
    { {}, 0, "", 0 },
    { { 2, 3 }, 2, "C:\\Work\\", 2 },
    { { 3, 2 }, 2, "\\Work\\C:", 2 },
    { { 0, 1 }, 2, "Notes.txt", 2 },
    { { 0, 0 }, 2, "NotesNotes", 2 },
    { { 1, nil, "0", 0.5, true, 0 }, 6, ".txtNotes", 2 },
    { { 7 }, 1, "", 0 },
  }
  for _, case in ipairs(code_cases) do
    local codes, count, after, splits = unpack(case)
    it("with " .. count .. " argument(s) writes '" .. after .. "'", function()
      h:SplitPath(unpack(codes, 1, count))
      assert.are.equal(after, host:object("Path1").props.Text)
      assert.are.equal(splits, #host:calls("String", "SplitPath"))
    end)
  end

  it("compares with the numbers themselves, not with the globals", function()
    env.ZOBJECT_DRIVE = 0
    h:SplitPath(2)
    assert.are.equal("C:", host:object("Path1").props.Text)
  end)
end)
