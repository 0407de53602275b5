-- method_call.lua: a handle method call against the direct host call, on the simulated host.
-- Usage: lua5.1 bench/lua/method_call.lua [repository root or its script/ folder]
local root = (arg and arg[1] or "."):gsub("[/\\]$", ""):gsub("[/\\]script$", "")

local simhost = dofile(root .. "/simhost/init.lua")

-- A fresh environment with the host installed and the object model script run in it.
local function new_state()
  local env = {}
  for k, v in pairs(_G) do env[k] = v end
  env._G = env
  local host = simhost.install(nil, env)
  for file in io.lines(root .. "/script/order.txt") do
    if file:match("%S") then
      local chunk = assert(loadfile(root .. "/script/" .. file:match("^%s*(.-)%s*$")))
      setfenv(chunk, env)
      chunk()
    end
  end
  return env, host
end

local ROUNDS, CALLS = 7, 100000

-- Nanoseconds per call, best of the rounds; the call log is emptied between rounds.
local function time_per_call(host, loop)
  local best = math.huge
  for _ = 1, ROUNDS do
    host:clear_log()
    collectgarbage()
    local start = os.clock()
    loop(CALLS)
    local elapsed = os.clock() - start
    if elapsed < best then best = elapsed end
  end
  return best / CALLS * 1e9
end

-- Bytes allocated per call, with the collector stopped.
local function bytes_per_call(host, loop)
  host:clear_log()
  collectgarbage()
  collectgarbage("stop")
  local before = collectgarbage("count")
  loop(CALLS)
  local after = collectgarbage("count")
  collectgarbage("restart")
  host:clear_log()
  collectgarbage()
  return (after - before) * 1024 / CALLS
end

local env, host = new_state()
local Input, h = env.Input, env.Rividi.Create("Input1")

local cases = {
  { "Input.GetText(\"Input1\")", function(n) for _ = 1, n do Input.GetText("Input1") end end },
  { "h:GetText()", function(n) for _ = 1, n do h:GetText() end end },
  { "Input.SetText(\"Input1\", \"x\")", function(n) for _ = 1, n do Input.SetText("Input1", "x") end end },
  { "h:SetText(\"x\")", function(n) for _ = 1, n do h:SetText("x") end end },
}

local function run(title, logging)
  host:set_logging(logging)
  print(title)
  print(string.format("  %-32s %10s %16s %12s", "call", "ns/call", "x Input.GetText", "bytes/call"))
  local baseline
  for _, case in ipairs(cases) do
    local ns = time_per_call(host, case[2])
    baseline = baseline or ns
    print(string.format("  %-32s %10.0f %16.2f %12.0f", case[1], ns, ns / baseline, bytes_per_call(host, case[2])))
  end
end

print(string.format("Handle method calls against the direct host call (%s, best of %d rounds of %d calls)",
  _VERSION, ROUNDS, CALLS))
run("Simulated host with its call log (as the tests install it):", true)
run("Simulated host without its call log (a cheaper host call, so a harder ratio):", false)
