-- views.lua: read-only views (empty proxies over a real table) and the two property view kinds.
local Build, Helpers = Rividi._Build, Rividi._Helpers
local ObjectTable, Application = Rividi._Vars.ObjectTable, Helpers.Application
local type, next, pairs, tostring, tonumber = type, next, pairs, tostring, tonumber
local setmetatable, error, pcall = setmetatable, error, pcall

-- Fills `kind` with the six members of a view kind: metatable_cache, make_getter, setter, make_pairs,
-- make_read_only, ropairs. options: metatable and type (the two strings of its views), setter, and wrap,
-- how a nested table is wrapped (default: the kind's own make_read_only).
function Build.view_kind(kind, options)
  local cache = setmetatable({}, { __mode = "k" })
  local metatable_name, type_name, setter = options.metatable, options.type, options.setter
  local wrap = options.wrap

  local function make_getter(real_table)
    return function(_, key)
      local value = real_table[key]
      if type(value) == "table" and not cache[value] then return wrap(value) end
      return value
    end
  end

  -- Each call starts a new walk; a walk that has ended starts over.
  local function make_pairs(real_table)
    return function()
      local current
      return function()
        local key, value = next(real_table, current)
        current = key
        if type(key) == "table" and not cache[key] then key = wrap(key) end
        if type(value) == "table" and not cache[value] then value = wrap(value) end
        return key, value
      end
    end
  end

  local function make_read_only(t)
    local view = {}
    local metatable = {
      __metatable = metatable_name,
      __index = make_getter(t),
      __newindex = setter,
      __pairs = make_pairs(t),
      __type = type_name,
    }
    setmetatable(view, metatable)
    cache[view] = metatable
    return view
  end

  local function ropairs(t)
    local metatable = cache[t]
    if not metatable then
      error("bad argument #1 to 'ropairs' (read-only table expected, got " .. type(t) .. ")", 2)
    end
    return metatable.__pairs()
  end

  wrap = wrap or make_read_only
  kind.metatable_cache = cache
  kind.make_getter = make_getter
  kind.setter = setter
  kind.make_pairs = make_pairs
  kind.make_read_only = make_read_only
  kind.ropairs = ropairs
  return kind
end

local function send(read, write, name, key_name, value)
  local properties = read(name)
  for k in pairs(properties) do
    if tostring(k) == key_name then properties[k] = value end
  end
  write(name, properties)
end

-- A setter that sends the write to the host: read all properties, change the key, write them all back.
-- host_pair(owner) gives the read function, the write function and the name to pass them.
local function write_through(host_pair, guards_suppression)
  return function(view, key, value)
    local key_name = tostring(key)
    if key_name == "Properties" or key_name == "_objhandle" then error("This key can not be modified!", 2) end
    local owner = view._objhandle
    if not owner then error("This key can not be modified!", 2) end
    local read, write, name = host_pair(owner)
    if not guards_suppression then return send(read, write, name, key_name, value) end
    -- The switch comes back as it was even when a host call raises.
    local suppression = ZOBJECT_SURPRESS_ERRORS
    ZOBJECT_SURPRESS_ERRORS = true
    local ok, failure = pcall(send, read, write, name, key_name, value)
    ZOBJECT_SURPRESS_ERRORS = suppression
    if not ok then error(failure, 0) end
  end
end

local function object_pair(owner)
  local type_table = ObjectTable[tonumber(owner.ObjectType)]
  return type_table.GetProperties, type_table.SetProperties, tostring(owner.ObjectName)
end

local function page_pair(owner)
  if owner.Type == 1 then
    return Application.GetDialogProperties, Application.SetDialogProperties, owner.Name
  end
  return Application.GetPageProperties, Application.SetPageProperties, owner.Name
end

Build.view_kind(Rividi.ReadOnly, {
  metatable = "zObject", type = "zObject", setter = write_through(object_pair, true),
})
Build.view_kind(Rividi.PD.ReadOnly, {
  metatable = "zObjectPD", type = "zObjectPD", setter = write_through(page_pair, false),
})
