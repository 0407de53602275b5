-- init.lua: the simulated host; install() puts the host's action library into a Lua environment.
local simhost = {}

-- The folder of a chunk source such as "@/work/simhost/init.lua" or "@Z:\work\simhost\init.lua".
function simhost.directory_of(source)
  return source:match("^@(.*[/\\])") or ""
end

local dir = simhost.directory_of(debug.getinfo(1, "S").source)
local function load_sibling(name) return dofile(dir .. name .. ".lua") end

local constants = load_sibling("constants")
local type_actions = load_sibling("types")
local objects = load_sibling("objects")
local strings = load_sibling("strings")
local forwarding_actions = load_sibling("forwarding_actions")

local kinds_by_name, kinds_by_value = {}, {}
for _, row in ipairs(constants.types) do
  kinds_by_name[row[3]], kinds_by_value[row[2]] = row, row
end

local project = load_sibling("project")(objects, kinds_by_name)
local places = load_sibling("places")(objects, kinds_by_value, constants.no_type)
local services = load_sibling("services")(objects)
local new_host = load_sibling("host")

simhost.default_project = project.default

-- A type action: finds the object by name among the current place's objects of that type.
local function type_action(table_name, action)
  local free = objects.free_behaviour(action)
  if free then return function(_, ...) return free(...) end end
  local behaviour = forwarding_actions[action] or objects.behaviour(action)
  return function(host, name, ...)
    local place = host:place()
    local o = place and place.objects[name]
    if o and o.kind == table_name then return behaviour(o, ...) end
  end
end

-- An action of Page or DialogEx: acts on the current page or the shown dialog (none: nothing happens).
local function place_action(impl, which)
  return function(host, ...)
    local place = which(host)
    if place then return impl(host, place, ...) end
  end
end

local function current_page(host) return host.state.pages[host.state.current_page] end
local function shown_dialog(host) return host.state.dialogs[host.state.shown_dialog or ""] end

local function install_table(host, env, table_name, impls)
  local t = {}
  for action, impl in pairs(impls) do t[action] = host:action(table_name, action, impl) end
  env[table_name] = t
end

local function install_types(host, env)
  for _, row in ipairs(constants.types) do
    local table_name, impls = row[3], {}
    for _, group in ipairs(type_actions[table_name]) do
      for _, action in ipairs(group) do impls[action] = type_action(table_name, action) end
    end
    env[row[1]] = row[2]
    install_table(host, env, table_name, impls)
  end
end

local function install_places(host, env)
  local page, dialog = {}, {}
  for action, impl in pairs(places.common) do
    page[action] = place_action(impl, current_page)
    dialog[action] = place_action(impl, shown_dialog)
  end
  for action, impl in pairs(places.dialog_only) do dialog[action] = place_action(impl, shown_dialog) end
  install_table(host, env, "Page", page)
  install_table(host, env, "DialogEx", dialog)
end

local function plain(fn) return function(_, ...) return fn(...) end end

-- Installs every host global into `env` (default _G) for `description` (nil: the default project).
function simhost.install(description, env)
  env = env or _G
  local host = new_host(project.build(description), env)
  host.constants = {}
  for _, row in ipairs(constants.types) do host.constants[row[1]] = row[2] end
  for name, value in pairs(constants.others) do
    env[name], host.constants[name] = value, value
  end
  install_types(host, env)
  install_places(host, env)
  local string_impls = {}
  for action, fn in pairs(strings) do string_impls[action] = plain(fn) end
  install_table(host, env, "Application", places.application)
  install_table(host, env, "String", string_impls)
  for table_name, impls in pairs(services) do install_table(host, env, table_name, impls) end
  return host
end

return simhost
