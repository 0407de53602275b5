-- raising_method.lua: a handle method refuses its argument on line 4, after one host action.
local h = Rividi.Create("Input1")
h:SetText("before")
h:SetText(5)
