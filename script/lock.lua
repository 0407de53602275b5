-- lock.lua: locks Rividi: from here on it is reached through read-only views only.
local Build = Rividi._Build
Rividi._Build = nil
local type, tostring, error = type, tostring, error

local function refuse(_, key, value)
  if type(value) == "table" and (value.__type == "zObject" or value.__type == "zObjectPD") then return end
  if tostring(key) == "ReadOnlyError" then return end
  error("Altering this object will destroy the functionality of the \r\n"
    .. "Zentrix Rividi Action Plugin, and therefore will not be permitted.\r\n\r\n", 2)
end

-- Nested tables are wrapped by the global make_read_only as it is at the time of the read.
local lock = Build.view_kind({}, {
  metatable = "read only table",
  type = "read-only table",
  setter = refuse,
  wrap = function(t) return make_read_only(t) end,
})

make_read_only = lock.make_read_only
ropairs = lock.ropairs
Rividi = make_read_only(Rividi)

for i = 1, #Build.on_lock do Build.on_lock[i](Rividi) end
