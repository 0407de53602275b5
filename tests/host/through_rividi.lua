-- through_rividi.lua: host actions that the module's handles make.
local h = Rividi.Create("Input1")
h:SetText("Hi")
h.Properties.X = 99
Rividi.SetCodeChaining(ZOBJECT_CHAINING_STACK)
h:SetText("Hi"):GetText()
print(string.format("stack: %q, %q", h:GetStack()))
