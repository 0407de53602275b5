-- transcript.lua: host actions with every kind of argument, and prints between them.
Input.SetText("Input1", "line 1\r\n\"quoted\"\tand \\ backslash")
print("printed", 42, nil, true)
Input.SetPos("Input1", 10, 2.5)
Input.SetVisible("Input1", false)
local properties = { "first", "second", Text = "T", X = 1, ["two words"] = {}, nested = { { { "deep" } } } }
Input.SetProperties("Input1", properties)
properties.Text = "changed after the call"
Page.Print(nil, 7, nil)
Debug.Print(print)
SimHost:set_logging(false)
Label.SetText("Label1", "not logged")
SimHost:set_logging(true)
print(Input.GetText("Input1"))
SimHost:clear_log()
Label.GetText("Label1")
