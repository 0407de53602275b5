-- rividi_state.lua: a fresh Lua environment holding the simulated host, with the object model script run in it.
local luassert = require("luassert")

local support = {}

local here = debug.getinfo(1, "S").source:match("^@(.*)$")
support.root = here:match("^(.-)[/\\]?tests[/\\]lua[/\\]support[/\\][^/\\]*$")
if support.root == "" then support.root = "." end

local simhost = dofile(support.root .. "/simhost/init.lua")
support.simhost = simhost

local BASE_LIBRARY = { "assert", "collectgarbage", "dofile", "error", "getfenv", "getmetatable", "ipairs",
  "load", "loadfile", "loadstring", "next", "pairs", "pcall", "print", "rawequal", "rawget", "rawset",
  "select", "setfenv", "setmetatable", "tonumber", "tostring", "type", "unpack", "xpcall", "_VERSION",
  "coroutine", "math", "string", "table" }

-- A new global table with Lua's base library, whose _G is itself.
function support.new_env()
  local env = {}
  for _, name in ipairs(BASE_LIBRARY) do env[name] = _G[name] end
  env._G = env
  return env
end

-- The script's source files in the order of script/order.txt.
function support.script_files()
  local files = {}
  for line in io.lines(support.root .. "/script/order.txt") do
    local name = line:match("^%s*(.-)%s*$")
    if name ~= "" then files[#files + 1] = support.root .. "/script/" .. name end
  end
  return files
end

-- Runs the script in `env`, as one registration of the module does. before_lock(env), if given, runs
-- just before the last file, the lock, while env.Rividi is still the plain table.
function support.run_script(env, before_lock)
  local files = support.script_files()
  for i, path in ipairs(files) do
    if i == #files and before_lock then before_lock(env) end
    local chunk = assert(loadfile(path))
    setfenv(chunk, env)
    chunk()
  end
end

-- env, host: a host running `project` (nil: the default one) and the script registered in it, the call
-- log emptied. prepare(env, host), if given, runs before the script; before_lock as for run_script.
function support.new_state(project, prepare, before_lock)
  local env = support.new_env()
  local host = simhost.install(project, env)
  if prepare then prepare(env, host) end
  support.run_script(env, before_lock)
  host:clear_log()
  return env, host
end

-- handle, host, Rividi, env: a handle for the object `name` in a state from new_state, the log emptied
-- after the handle was made.
function support.new_handle_state(project, name)
  local env, host = support.new_state(project)
  local handle = env.Rividi.Create(name)
  host:clear_log()
  return handle, host, env.Rividi, env
end

-- Asserts that fn, a function written on one line, raises `message` positioned at that line.
function support.raises_at(message, fn)
  local ok, err = pcall(fn)
  luassert.is_false(ok, "no error was raised")
  local info = debug.getinfo(fn, "S")
  luassert.are.equal(info.short_src .. ":" .. info.linedefined .. ": " .. message, err)
end

-- The values of a call, with their count: pack(f()).n, pack(f())[i].
function support.pack(...)
  return { n = select("#", ...), ... }
end

return support
