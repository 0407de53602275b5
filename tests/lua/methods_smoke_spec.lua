-- methods_smoke_spec.lua: the methods' end-to-end smoke passes against the script's sources and its one chunk.
local support = require("support.rividi_state")

local function smoke(run_script)
  local env = support.new_env()
  local printed = {}
  env.print = function(text) printed[#printed + 1] = text end
  support.simhost.install(dofile(support.root .. "/tests/e2e/methods_project.lua"), env)
  run_script(env)
  local chunk = assert(loadfile(support.root .. "/tests/e2e/methods_smoke.lua"))
  setfenv(chunk, env)
  chunk()
  return printed
end

describe("the methods smoke", function()
  it("passes against the sources", function()
    assert.are.same({ "methods smoke: ok" }, smoke(support.run_script))
  end)

  it("passes against the files compiled into one chunk", function()
    local out = os.tmpname()
    local command = "luac5.1 -o " .. out
    for _, path in ipairs(support.script_files()) do command = command .. " " .. path end
    assert.is_true(os.execute(command) == 0)
    local printed = smoke(function(env)
      local chunk = assert(loadfile(out))
      os.remove(out)
      setfenv(chunk, env)
      chunk()
    end)
    assert.are.same({ "methods smoke: ok" }, printed)
  end)
end)
