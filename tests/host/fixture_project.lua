-- fixture_project.lua: the runner tests' project: one page with an input and a label.
return {
  pages = {
    { name = "Page1", objects = {
      { name = "Input1", type = "Input", properties = { Text = "start", X = 10, Y = 20, Width = 200, Height = 24 } },
      { name = "Label1", type = "Label", properties = { Text = "label" } },
    } },
  },
}
