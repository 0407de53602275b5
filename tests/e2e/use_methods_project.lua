-- use_methods_project.lua: makes the simulated host's prelude build the project of methods_project.lua.
local here = debug.getinfo(1, "S").source:sub(2):gsub("\\", "/")
SimHostProject = here:gsub("[^/]*$", "") .. "methods_project.lua"
