-- host.lua: the host object: its state, the call log, stubs, and the wrapper that every host action runs in.
local select, unpack, error, setmetatable = select, unpack, error, setmetatable

local Host = {}
Host.__index = Host

-- A host action: logs (table, action, arguments), runs a stub if one is set, else the action itself.
function Host:action(table_name, action_name, impl)
  local key = table_name .. "." .. action_name
  local stubs = self.stubs
  return function(...)
    if self.logging then
      local log = self.log
      log[#log + 1] = { table = table_name, action = action_name, args = { n = select("#", ...), ... } }
    end
    local stub = stubs[key]
    if stub then return stub(...) end
    return impl(self, ...)
  end
end

-- Where type actions and DialogEx act: the shown dialog, else the current page.
function Host:place()
  local state = self.state
  return state.dialogs[state.shown_dialog or ""] or state.pages[state.current_page]
end

function Host:page(name) return self.state.pages[name or self.state.current_page] end
function Host:dialog(name) return self.state.dialogs[name or self.state.shown_dialog or ""] end

-- The state of the object `name` in the current place, or in the page or dialog named `place_name`.
function Host:object(name, place_name)
  local place = place_name and (self.state.pages[place_name] or self.state.dialogs[place_name]) or self:place()
  return place and place.objects[name]
end

function Host:go_to_page(name)
  assert(self.state.pages[name], "simhost: no page " .. tostring(name))
  self.state.current_page = name
end

function Host:show_dialog(name)
  assert(self.state.dialogs[name], "simhost: no dialog " .. tostring(name))
  self.state.shown_dialog = name
end

function Host:close_dialog() self.state.shown_dialog = nil end

-- The argument lists (each with its count n) of the logged calls of one action.
function Host:calls(table_name, action_name)
  local list = {}
  for _, entry in ipairs(self.log) do
    if entry.table == table_name and entry.action == action_name then list[#list + 1] = entry.args end
  end
  return list
end

function Host:last_call(table_name, action_name)
  local list = self:calls(table_name, action_name)
  return list[#list]
end

function Host:clear_log() self.log = {} end
function Host:set_logging(on) self.logging = on and true or false end

-- Replaces an action's behaviour by fn(...), which receives the action's arguments.
function Host:stub(table_name, action_name, fn) self.stubs[table_name .. "." .. action_name] = fn end

function Host:returns(table_name, action_name, ...)
  local values = { n = select("#", ...), ... }
  self:stub(table_name, action_name, function() return unpack(values, 1, values.n) end)
end

function Host:raises(table_name, action_name, err)
  self:stub(table_name, action_name, function() error(err, 0) end)
end

function Host:unstub(table_name, action_name) self.stubs[table_name .. "." .. action_name] = nil end

-- Takes an action out of its table (so that it is not a function there) and puts it back.
function Host:remove(table_name, action_name)
  local t = self.env[table_name]
  self.removed[table_name .. "." .. action_name] = t[action_name]
  t[action_name] = nil
end

function Host:restore(table_name, action_name)
  local key = table_name .. "." .. action_name
  self.env[table_name][action_name] = self.removed[key]
  self.removed[key] = nil
end

-- Milliseconds that Application.Sleep was asked for in all.
function Host:slept() return self.state.slept or 0 end

return function(state, env)
  return setmetatable({
    state = state, env = env, log = {}, logging = true, stubs = {}, removed = {},
    printed = {}, messages = {},
  }, Host)
end
