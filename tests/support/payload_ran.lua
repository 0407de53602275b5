-- payload_ran.lua: after registration, the locked Rividi table exists unless the payload was damaged.
local ran = getmetatable(Rividi) == "read only table"
if PayloadDamaged then
  assert(Rividi == nil, "a damaged payload was run")
else
  assert(ran, "the payload did not run")
end
