-- core_smoke.lua: the object model core as the real module made it, in a Lua state holding the simulated host.
--
-- Expects, before it runs: the simulated host installed into _G with the project of core_project.lua
-- (simhost.install(dofile("tests/e2e/core_project.lua"))), then the module registered, so that Rividi is
-- what the module's chunk made. Installs nothing itself. Load it as a file (luaL_loadfile, dofile): the
-- checks of error positions look for its chunk name ending in core_smoke.lua. Raises an error at the first
-- failure; prints "core smoke: ok" at the end.

local LOCK_MESSAGE = "Altering this object will destroy the functionality of the \r\n"
  .. "Zentrix Rividi Action Plugin, and therefore will not be permitted.\r\n\r\n"

local function check(condition, what)
  if not condition then error("core smoke: " .. what, 2) end
end

-- fn must raise `message`, positioned in this file (level 2 and 3 errors blame the calling line).
local function check_raises(fn, message, what)
  local ok, err = pcall(fn)
  check(not ok, what .. ": no error")
  err = tostring(err)
  check(err:sub(-#message) == message, what .. ": wrong message: " .. err)
  check(err:find("core_smoke.lua:%d+: ") ~= nil, what .. ": not blamed on the calling line: " .. err)
end

local function count(nexter)
  local n = 0
  for _ in nexter do n = n + 1 end
  return n
end

-- The lock.
check(getmetatable(Rividi) == "read only table", "Rividi is not locked")
check_raises(function() Rividi.NewMember = 1 end, LOCK_MESSAGE, "a new member")
check(Rividi.NewMember == nil, "the refused member was stored")
check(Rividi._Vars ~= Rividi._Vars, "two reads gave one view")
check(Rividi._Vars.MetatableCheckpoint == 1503, "the checkpoint")
check(count(ropairs(Rividi._Helpers.lua_checkvntable.NotAllowed)) == 192, "NotAllowed does not hold 192 entries")
check(ZOBJECT_SURPRESS_ERRORS == true and ZOBJECT_CODE_CHAINING == 0, "the ZOBJECT_ globals")

-- Create, IsObject.
local h = Rividi.Create("Input1")
check(Rividi.IsObject(h), "Create gave no handle")
check(h.ObjectType == OBJECT_INPUT and h.ObjectName == "Input1", "the handle's type and name")
check(h.OriginalRect.X == 10 and h.OriginalRect.Width == 200, "the handle's OriginalRect")
check(Rividi.Create("Plugin1") == false, "a plugin object gave a handle")
check_raises(function() Rividi.Create(5) end, "Argument 1 must be of type string!", "Create(5)")
check_raises(function() h:SetText(5) end, "Argument 1 must be of type string!", "SetText(5)")

-- Property write-through.
h.Properties.Text = "Written"
check(Input.GetText("Input1") == "Written", "the property write did not reach the host")
check(h.Properties.Text == "Hello", "the snapshot changed")
check(ZOBJECT_SURPRESS_ERRORS == true, "the write left ZOBJECT_SURPRESS_ERRORS changed")

-- Chaining.
check(select("#", h:SetText("a")) == 0, "level 0 returned values")
Rividi.SetCodeChaining(1)
local first, second = h:GetText()
check(first == h and second == "a", "level 1 did not return the handle and the text")
Rividi.SetCodeChaining(2)
h:SetText("b")
h:GetText()
local s1, s2, s3 = h:GetStack()
check(s1 == "" and s2 == "b" and s3 == nil, "level 2 stack")
check(select("#", h:GetStack()) == 0, "GetStack did not clear the stack")
Rividi.SetCodeChaining(0)

-- InitializeAllObjects and Destroy.
Input1 = nil
check(Rividi.InitializeAllObjects(1) == 1, "InitializeAllObjects(1) did not warn once")
check(Rividi.IsObject(Input1) and Rividi.IsObject(Button1), "InitializeAllObjects made no globals")
h:Destroy()
check(not Rividi.IsObject(h) and h.ObjectName == "Input1", "Destroy")
Input1:Destroy(true)
check(not Rividi._Helpers.IsAMSObject("Input1"), "Destroy(true) left the object")

print("core smoke: ok")
