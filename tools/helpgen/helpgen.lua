-- helpgen.lua: writes the sources of Rividi.chm from the script's method tables.
-- Usage: lua5.1 helpgen.lua SCRIPT_DIR OUT_DIR
local here = (debug.getinfo(1, "S").source:match("^@(.*[/\\])") or "./")
package.path = here .. "?.lua;" .. package.path

local model = require("helpmodel")
local html = require("helphtml")

local script_dir, out_dir = arg[1], arg[2]
if not script_dir or not out_dir then
  io.stderr:write("usage: helpgen.lua SCRIPT_DIR OUT_DIR\n")
  os.exit(2)
end

local pages = model.pages(model.load_rows(script_dir), dofile(here .. "functions.lua"))
html.write_all(out_dir, pages)
print(("helpgen: %d pages"):format(#pages))
