-- simhost_prelude.lua: installs the simulated host into the globals before the module registers.
-- The project description comes from the global SimHostProject (a file name) or the host's default.
local here = debug.getinfo(1, "S").source:sub(2):gsub("\\", "/")
local root = here:match("^(.*)/tests/support/[^/]*$") or "."
local simhost = dofile(root .. "/simhost/init.lua")
local project = SimHostProject and dofile(SimHostProject) or nil
SimHost = simhost.install(project, _G)
