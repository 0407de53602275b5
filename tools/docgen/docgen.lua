-- Renders the action table to the action description document:
--   lua5.1 docgen.lua ACTIONS.lua OUT.xml --company=TEXT --email=TEXT --web=HOST --copyright=TEXT

local script_dir = (arg[0]:match("^(.*)[/\\]") or ".")
package.path = script_dir .. "/?.lua;" .. package.path

local doctree = require("doctree")
local xmlwrite = require("xmlwrite")

local USAGE = "usage: lua5.1 docgen.lua ACTIONS.lua OUT.xml --company=TEXT --email=TEXT --web=HOST --copyright=TEXT"
local MAKER_FIELDS = { "company", "email", "web", "copyright" }

local function dg_fail(message)
  io.stderr:write("docgen: ", message, "\n")
  os.exit(1)
end

-- Maker values land in one-line texts of an ASCII document, and the web address is a bare host name.
local function dg_check_maker(maker)
  for _, field in ipairs(MAKER_FIELDS) do
    local value = maker[field]
    if not value or value == "" then
      dg_fail("missing --" .. field .. "\n" .. USAGE)
    elseif value:find("[^\32-\126]") then
      dg_fail("--" .. field .. " must be printable ASCII")
    end
  end
  if not maker.web:find("^[%w%-]+%.[%w%-%.]*%w$") then
    dg_fail("--web must be a bare host name such as www.example.com, without scheme or path")
  end
  if not maker.email:find("^[^@%s]+@[^@%s]+$") then
    dg_fail("--email must be a single address")
  end
end

local function dg_parse_args(args)
  local paths, maker = {}, {}
  for _, item in ipairs(args) do
    local key, value = item:match("^%-%-(%w+)=(.*)$")
    if key then
      maker[key] = value
    else
      paths[#paths + 1] = item
    end
  end
  if #paths ~= 2 then
    dg_fail(USAGE)
  end
  dg_check_maker(maker)
  return paths[1], paths[2], maker
end

local function dg_load_actions(path)
  local chunk, message = loadfile(path)
  if not chunk then
    dg_fail(message)
  end
  local ok, actions = pcall(chunk)
  if not ok then
    dg_fail(path .. ": " .. tostring(actions))
  end
  return actions
end

local function dg_write(path, bytes)
  local file, message = io.open(path, "wb")
  if not file then
    dg_fail(message)
  end
  local ok, write_error = file:write(bytes)
  file:close()
  if not ok then
    os.remove(path)
    dg_fail(path .. ": " .. tostring(write_error))
  end
end

local function dg_main(args)
  local actions_path, out_path, maker = dg_parse_args(args)
  local actions = dg_load_actions(actions_path)
  local ok, bytes = pcall(function()
    return xmlwrite.render(doctree.build(actions, maker))
  end)
  if not ok then
    dg_fail(actions_path .. ": " .. tostring(bytes))
  end
  dg_write(out_path, bytes)
end

dg_main(arg)
