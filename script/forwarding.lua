-- forwarding.lua: attaches the methods that forward to the host action of their name, one per row.
local Build = Rividi._Build
local groups = Build.forwarding_rows
for i = 1, #groups do Build.attach(groups[i]) end
