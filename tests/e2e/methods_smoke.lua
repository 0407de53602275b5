-- methods_smoke.lua: a method of each family of handle methods, as the real module made them, in a Lua state
-- holding the simulated host.
--
-- Expects, before it runs: the simulated host installed into _G with the project of methods_project.lua
-- (simhost.install(dofile("tests/e2e/methods_project.lua"))), then the module registered, so that Rividi is
-- what the module's chunk made. Installs nothing itself. Load it as a file (luaL_loadfile, dofile): the
-- checks of error positions look for its chunk name ending in methods_smoke.lua. Raises an error at the first
-- failure; prints "methods smoke: ok" at the end.

local function check(condition, what)
  if not condition then error("methods smoke: " .. what, 2) end
end

-- fn must raise `message`, positioned in this file (level 2 and 3 errors blame the calling line).
local function check_raises(fn, message, what)
  local ok, err = pcall(fn)
  check(not ok, what .. ": no error")
  err = tostring(err)
  check(err:sub(-#message) == message, what .. ": wrong message: " .. err)
  check(err:find("methods_smoke.lua:%d+: ") ~= nil, what .. ": not blamed on the calling line: " .. err)
end

check(getmetatable(Rividi) == "read only table", "Rividi is not locked")
local input, path, list = Rividi.Create("Input1"), Rividi.Create("Path1"), Rividi.Create("List1")

-- Page handles and EasterEgg.
local page = Rividi.GetPageHandle()
check(page.Name == "Page1" and page.Type == 0, "the page handle's name and type")
check(page:GetObjectType(input) == OBJECT_INPUT, "GetObjectType with an object handle")
check_raises(function() Rividi.GetDialogHandle() end, "This function can be called from a dialog only!",
  "GetDialogHandle on a page")
Rividi.SetCodeChaining(1)
local chained_page, made = page:CreateObject(OBJECT_LABEL, "Made1", { Text = "made" })
check(chained_page == page and Rividi.IsObject(made), "CreateObject at level 1")
check(Label.GetText("Made1") == "made", "CreateObject made no label")
Rividi.SetCodeChaining(0)
Rividi.Vars.CodeChunks.ByteVars.Cake.SheepGoToHeaven.GoatsGoToHell.EasterEgg()
local background = Application.GetPageProperties("Page1")
check(background.BackgroundType == BG_GRADIENT and background.BackgroundColor == 192, "EasterEgg's background")

-- A forwarding method with a default (the item data "").
list:AddItem("a")
list:AddItem("b")
check(list:GetCount() == 2, "AddItem")

-- Text and string methods.
input:SetAppendDelimiter(", ")
input:Append("World")
check(Input.GetText("Input1") == "Hello, World", "Append with the handle's delimiter")
path:SplitPath(ZOBJECT_DRIVE, ZOBJECT_FOLDER)
check(Input.GetText("Path1") == "C:\\Work\\", "SplitPath")
check(path:Length() == 8, "Length")
list:ClearContents()
check(list:GetCount() == 0, "ClearContents of a list box")
Rividi.SetCodeChaining(2)
input:Upper()
input:Find("world")
local s1, s2, s3 = input:GetStack()
check(s1 == "" and s2 == 8 and s3 == nil, "one stack entry per string method")
Rividi.SetCodeChaining(0)

-- Geometry and fades.
input:SetRect(1, 2)
local rect = input:GetRect()
check(rect.X == 1 and rect.Y == 2 and rect.Width == 200, "SetRect with a position only")
check_raises(function() input:SetRect(1, 2, "wide") end, "Argument 3 must be nil or of type number!", "SetRect")
input:CenterRelative("Frame1")
rect = Input.GetPos("Input1")
check(rect.X == 150 and rect.Y == 188, "CenterRelative")
input:Center(1000)
check(Input.GetPos("Input1").X == 220, "Center")
check(input:FadeOut() == true and Input.GetOpacity("Input1") == 0, "FadeOut")
input:RestoreOriginalRect()
rect = Input.GetPos("Input1")
check(rect.X == 10 and rect.Y == 20, "RestoreOriginalRect")

-- Scripts, events and window properties.
input:SetScript("On Click", "Clicked = true")
check(input:GetScript("On Click") == "Clicked = true", "SetScript and GetScript")
check_raises(function() input:SetZOrder("top") end, "Argument 1 must be of type number!", "SetZOrder")
Rividi._Helpers.SetProp(1000, "Tag", 42)
check(Rividi._Helpers.GetProp(1000, "Tag") == 42, "the window-property helpers")

print("methods smoke: ok")
