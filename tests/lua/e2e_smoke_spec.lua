-- e2e_smoke_spec.lua: the end-to-end smokes pass against the script's sources and its one compiled chunk.
local support = require("support.rividi_state")

local function smoke(name, run_script)
  local env = support.new_env()
  local printed = {}
  env.print = function(text) printed[#printed + 1] = text end
  support.simhost.install(dofile(support.root .. "/tests/e2e/" .. name .. "_project.lua"), env)
  run_script(env)
  local chunk = assert(loadfile(support.root .. "/tests/e2e/" .. name .. "_smoke.lua"))
  setfenv(chunk, env)
  chunk()
  return printed
end

local function run_compiled(env)
  local out = os.tmpname()
  local command = "luac5.1 -o " .. out
  for _, path in ipairs(support.script_files()) do command = command .. " " .. path end
  assert.is_true(os.execute(command) == 0)
  local chunk = assert(loadfile(out))
  os.remove(out)
  setfenv(chunk, env)
  chunk()
end

for _, name in ipairs({ "core", "methods" }) do
  describe("the " .. name .. " smoke", function()
    it("passes against the sources", function()
      assert.are.same({ name .. " smoke: ok" }, smoke(name, support.run_script))
    end)

    it("passes against the files compiled into one chunk", function()
      assert.are.same({ name .. " smoke: ok" }, smoke(name, run_compiled))
    end)
  end)
end
