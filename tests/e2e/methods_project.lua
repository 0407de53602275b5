-- methods_project.lua: the project that methods_smoke.lua expects: simhost.install(dofile("methods_project.lua")).
return {
  pages = {
    { name = "Page1", properties = { BackgroundType = 0, GradientColorTop = 0, BackgroundColor = 0 }, objects = {
      { name = "Input1", type = "Input", properties = { Text = "Hello", X = 10, Y = 20, Width = 200, Height = 24 } },
      { name = "Path1", type = "Input", properties = { Text = "C:\\Work\\Notes.txt" } },
      { name = "List1", type = "ListBox" },
      { name = "Frame1", type = "Label", properties = { X = 100, Y = 100, Width = 300, Height = 200 } },
    } },
  },
  windows = { [1000] = { Width = 640, Height = 480 } },
}
