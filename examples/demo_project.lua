-- demo_project.lua: the demo's project for the simulated host: a page with four objects and a dialog.
return {
  pages = {
    { name = "Welcome", properties = { BackgroundColor = 16777215 }, objects = {
      { name = "NameInput", type = "Input", properties = { Text = "", X = 20, Y = 20, Width = 240, Height = 24 } },
      { name = "NameList", type = "ListBox", properties = { X = 20, Y = 60, Width = 240, Height = 120 } },
      { name = "Logo", type = "Image", properties = { X = 300, Y = 20, Width = 128, Height = 128 } },
      { name = "GreetButton", type = "Button",
        properties = { Text = "Greet", X = 20, Y = 200, Width = 100, Height = 30 } },
    } },
  },
  dialogs = {
    { name = "About", objects = {
      { name = "AboutText", type = "Label", properties = { Text = "Rividi demo", X = 10, Y = 10 } },
    } },
  },
}
