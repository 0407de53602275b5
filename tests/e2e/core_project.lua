-- core_project.lua: the project that core_smoke.lua expects: simhost.install(dofile("core_project.lua")).
return {
  pages = {
    { name = "Page1", objects = {
      { name = "Input1", type = "Input", properties = { Text = "Hello", X = 10, Y = 20, Width = 200, Height = 24 } },
      { name = "Button1", type = "Button", properties = { Text = "OK" } },
      { name = "Image1", type = "Image" },
      { name = "Bad Name", type = "Label" },
      { name = "Plugin1", type = "Plugin" },
    } },
  },
}
