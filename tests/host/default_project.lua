-- default_project.lua: reads the input of the simulated host's default project.
print(Input.GetText("Input1"))
