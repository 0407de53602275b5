-- method_call.lua: a handle method call against the direct host call, on the simulated host.
-- Usage: lua5.1 bench/lua/method_call.lua [repository root or its script/ folder]
local root = (arg and arg[1] or "."):gsub("[/\\]$", ""):gsub("[/\\]script$", "")
if root == "script" then root = "." end

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

local ROUNDS, BATCHES, BATCH = 15, 50, 1000

-- Seconds for BATCHES * BATCH calls; the call log is emptied after every batch, so that it never grows large.
local function time_calls(host, loop)
  collectgarbage()
  local start = os.clock()
  for _ = 1, BATCHES do
    loop(BATCH)
    host:clear_log()
  end
  return os.clock() - start
end

-- Nanoseconds per call of each case, best of the rounds; every round times every case once.
local function times_per_call(host, cases)
  local best = {}
  for _ = 1, ROUNDS do
    for i, case in ipairs(cases) do
      local t = time_calls(host, case[2])
      if not best[i] or t < best[i] then best[i] = t end
    end
  end
  for i, t in ipairs(best) do best[i] = t / (BATCHES * BATCH) * 1e9 end
  return best
end

-- Bytes allocated per call, with the collector stopped.
local function bytes_per_call(host, loop)
  host:clear_log()
  collectgarbage()
  collectgarbage("stop")
  local before = collectgarbage("count")
  loop(BATCH)
  local after = collectgarbage("count")
  collectgarbage("restart")
  host:clear_log()
  return (after - before) * 1024 / BATCH
end

local env, host = new_state()
local Input, h = env.Input, env.Rividi.Create("Input1")
local RichText, rich = env.RichText, env.Rividi.Create("RichText1")

-- Each method call after the direct host call it stands for.
local cases = {
  { "Input.GetText(\"Input1\")", function(n) for _ = 1, n do Input.GetText("Input1") end end },
  { "h:GetText()", function(n) for _ = 1, n do h:GetText() end end },
  { "Input.SetText(\"Input1\", \"x\")", function(n) for _ = 1, n do Input.SetText("Input1", "x") end end },
  { "h:SetText(\"x\")", function(n) for _ = 1, n do h:SetText("x") end end },
  { "RichText.FindText(6 arguments)",
    function(n) for _ = 1, n do RichText.FindText("RichText1", "a", 1, -1, false, false) end end },
  { "rich:FindText(\"a\") (defaults)", function(n) for _ = 1, n do rich:FindText("a") end end },
  -- Both empty the text every 50 calls, so that it stays short.
  { "Input.SetText(GetText() .. \"x\")", function(n)
    for i = 1, n do
      if i % 50 == 0 then Input.SetText("Input1", "") end
      Input.SetText("Input1", Input.GetText("Input1") .. "" .. "x")
    end
  end },
  { "h:Append(\"x\")", function(n)
    for i = 1, n do
      if i % 50 == 0 then Input.SetText("Input1", "") end
      h:Append("x")
    end
  end },
  { "Input.Get/SetProperties", function(n)
    for _ = 1, n do
      local properties = Input.GetProperties("Input1")
      properties.Text = "x"
      Input.SetProperties("Input1", properties)
    end
  end },
  { "h.Properties.Text = \"x\"", function(n) for _ = 1, n do h.Properties.Text = "x" end end },
}

-- "x direct" and "own bytes" compare a method with the direct call above it: the ratio of their times and
-- what the method allocates beyond the host call.
local function run(title, logging)
  host:set_logging(logging)
  print(title)
  print(string.format("  %-30s %8s %16s %9s %11s %10s", "call", "ns/call", "x Input.GetText", "x direct",
    "bytes/call", "own bytes"))
  local ns = times_per_call(host, cases)
  local bytes = {}
  for i, case in ipairs(cases) do
    bytes[i] = bytes_per_call(host, case[2])
    local ratio, own = "", ""
    if i % 2 == 0 then
      ratio = string.format("%.2f", ns[i] / ns[i - 1])
      own = string.format("%.0f", bytes[i] - bytes[i - 1])
    end
    print(string.format("  %-30s %8.0f %16.2f %9s %11.0f %10s", case[1], ns[i], ns[i] / ns[1], ratio, bytes[i], own))
  end
end

print(string.format("Handle method calls against the direct host call (%s, best of %d rounds of %d calls)",
  _VERSION, ROUNDS, BATCHES * BATCH))
run("Simulated host with its call log (as the tests install it):", true)
run("Simulated host without its call log (a cheaper host call, so a harder ratio):", false)
