-- demo.lua: a tour of Rividi in the demo project: handles, a property write, chaining with a stack,
-- a fade, a page handle and an object in a dialog. Run it with
--   build/native/rividi-host --project examples/demo_project.lua examples/demo.lua

-- Values as a readable list: "", "Hello".
local function list(...)
  local texts = {}
  for i = 1, select("#", ...) do texts[i] = string.format("%q", tostring((select(i, ...)))) end
  return table.concat(texts, ", ")
end

-- A handle per object: its methods call the host's actions with the object's name first.
local Name = Rividi.Create("NameInput")
local Names = Rividi.Create("NameList")
local Logo = Rividi.Create("Logo")
local Greet = Rividi.Create("GreetButton")
print(Name.ObjectName .. " is an input: " .. tostring(Name.ObjectType == OBJECT_INPUT))

Name:SetText("World")
print("Hello, " .. Name:GetText() .. "!")

-- Properties is a read-only view of the object's properties; a write goes through to the host.
Greet.Properties.Text = "Say hello"
print("the button now reads " .. Button.GetText("GreetButton"))

-- Chaining with a stack: every call returns its handle, and its first result goes on the stack of
-- the object's name until GetStack reads it back.
Rividi.SetCodeChaining(ZOBJECT_CHAINING_STACK)
Name:SetText("Hello"):GetText()
print("stack of NameInput: " .. list(Name:GetStack()))
Names:AddItem("Ada"):AddItem("Grace")
print("NameList recorded " .. select("#", Names:GetStack()) .. " calls")
Rividi.SetCodeChaining(ZOBJECT_CHAINING_NONE)

-- A fade: the opacity moves by 1 per step, with a sleep of the given delay after each.
Logo:FadeOut(95, 5)
print("logo opacity " .. Image.GetOpacity("Logo") .. " after " .. SimHost:slept() .. " ms")

-- A page handle: the page's actions as methods, taking object handles where they want names.
local page = Rividi.GetPageHandle()
page:SetFocus(Name)
print(page.Name .. " has the focus on " .. page:GetFocus())

-- In a dialog, handles address the dialog's objects.
SimHost:show_dialog("About")
local About = Rividi.Create("AboutText")
About:SetText("Made with Rividi")
SimHost:close_dialog()
print("the dialog's label reads " .. SimHost:object("AboutText", "About").props.Text)
