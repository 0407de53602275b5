-- raising_plain.lua: an error without position, raised on line 3.
local function fail()
  error("no position of its own", 0)
end
fail()
