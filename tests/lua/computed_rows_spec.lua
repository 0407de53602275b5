-- computed_rows_spec.lua: the data files of the computed methods run alone, as a help generator runs them, and name
-- only functions that the script attaches.
local support = require("support.rividi_state")

local DATA_FILES = { "page_rows", "text_rows", "string_rows", "geometry_rows", "event_rows" }

-- Runs a data file with a stub Rividi and gives what it put into Rividi._Build.
local function read_data(name)
  local chunk = assert(loadfile(support.root .. "/script/" .. name .. ".lua"))
  local stub = { Rividi = { _Build = {} } }
  setfenv(chunk, stub)
  chunk()
  return stub.Rividi._Build, stub
end

-- Where a described function lives in the locked Rividi.
local function attached(R, list_name, entry)
  if list_name == "page_rows" then return R.PD.DialogEx[entry.name] end
  if list_name == "window_property_rows" then return R._Helpers[entry.name] end
  if entry.path then
    local t = R
    for part in entry.path:gmatch("[^.]+") do t = t[part] end
    return t[entry.name]
  end
  return R[entry.name]
end

describe("the data files of the computed methods", function()
  for _, name in ipairs(DATA_FILES) do
    it(name .. ".lua only sets data in Rividi._Build, each entry naming an attached function", function()
      local data, stub = read_data(name)
      assert.are.equal("Rividi", next(stub))
      assert.is_nil(next(stub, "Rividi"))
      assert.are.equal("_Build", (next(stub.Rividi)))
      assert.is_nil(next(stub.Rividi, "_Build"))
      local env = support.new_state()
      for list_name, list in pairs(data) do
        for _, entry in ipairs(list) do
          if type(entry) == "table" and entry.name then
            assert.is_function(attached(env.Rividi, list_name, entry), list_name .. ": " .. entry.name)
          end
        end
      end
    end)
  end
end)
