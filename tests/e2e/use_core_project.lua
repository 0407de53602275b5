-- use_core_project.lua: makes the simulated host's prelude build the project of core_project.lua.
local here = debug.getinfo(1, "S").source:sub(2):gsub("\\", "/")
SimHostProject = here:gsub("[^/]*$", "") .. "core_project.lua"
