-- methods.lua: the frame of a handle method, made from a row: handle check, argument check, defaults,
-- availability test, call, chained return.
--
-- A row:
--   name      the method's name, and the host action it tests and calls unless `action` names another;
--   check     the types of the required leading arguments ({ "string" });
--   defaults  the optional positions: { position, type, default } or { position, type, global = name },
--             the default then being that host global as it is at the call; a value of another type (nor of
--             the type `also`, when the entry names one) is replaced by the default;
--   count     how many argument positions the action receives (default: the highest position named);
--   results   "all" (every value of the action, the default), "first" or "none";
--   named     false for an action that is called without the object name;
--   special   { type = "OBJECT_...", at_call = true or nil, ... }: the fields above that differ for
--             handles of that type; at_call reads the constant from the host's global at the call
--             instead of Rividi._Vars.ObjectTypes;
--   direct    an OBJECT_ constant's name: a plain function over that type's table instead of a method: no
--             handle check, no availability test, no chaining; the action's values are returned as they are.
local Helpers, Build = Rividi._Helpers, Rividi._Build
local A, FunctionError, check_args = Helpers.A, Helpers.FunctionError, Build.check_args
local IsObject, GenerateChain = Rividi.IsObject, Rividi.GenerateChain
local ObjectTable, ObjectTypes, NOOBJ = Rividi._Vars.ObjectTable, Rividi._Vars.ObjectTypes, Rividi.NOOBJ
local type, unpack = type, unpack
local positions, fill_defaults = Build.positions, Build.fill_defaults

local NO_RESULTS = {}

-- The fields of `row` that decide the call, those it lacks taken from `base`.
local function form_of(row, check, base)
  base = base or {}
  local form = {
    action = row.action or base.action or row.name,
    defaults = row.defaults or base.defaults or {},
    results = row.results or base.results or "all",
    named = row.named,
  }
  if form.named == nil then form.named = base.named ~= false end
  form.count = row.count or positions(check, form.defaults)
  return form
end

-- Calls the action with the object name (unless the form says otherwise) and the form's positions.
local function call(self, form, action, tArgs)
  local count = form.count
  if not form.named then return action(unpack(tArgs, 1, count)) end
  if count == 0 then return action(self.ObjectName) end
  if count == 1 then return action(self.ObjectName, tArgs[1]) end
  if count == 2 then return action(self.ObjectName, tArgs[1], tArgs[2]) end
  return action(self.ObjectName, unpack(tArgs, 1, count))
end

-- Every value of the action, chained. At a level of 0 or below GenerateChain gives back the result list
-- itself, so the values are returned as they came, without building the list.
local function chain_all(self, ...)
  if ZOBJECT_CODE_CHAINING > 0 then return unpack(GenerateChain(self, { ... })) end
  return ...
end

-- The chained return of the form's results.
local function finish(self, form, action, tArgs)
  local results = form.results
  if results == "all" then return chain_all(self, call(self, form, action, tArgs)) end
  local first = call(self, form, action, tArgs)
  if results == "none" then
    if ZOBJECT_CODE_CHAINING > 0 then return unpack(GenerateChain(self, NO_RESULTS)) end
    return
  end
  if ZOBJECT_CODE_CHAINING > 0 then return unpack(GenerateChain(self, { first })) end
  if first ~= nil then return first end
end

-- The method of a row. A, the argument check and FunctionError are called from the method itself, so
-- that their level 3 is the line that called the method.
function Build.method(row)
  local check = row.check or {}
  local check_count = #check
  local base = form_of(row, check)
  local special = row.special and form_of(row.special, check, base)
  local special_constant = special and row.special.type
  local special_at_call = special and row.special.at_call
  return function(self, ...)
    -- While errors are suppressed A has nothing to report or replace, so the receiver need not be tested.
    if ZOBJECT_SURPRESS_ERRORS ~= true then A(IsObject(self) == false, NOOBJ) end
    if check_count > 0 then check_args(arg, check, check_count) end
    local form = base
    if special then
      local special_type = ObjectTypes[special_constant]
      if special_at_call then special_type = _G[special_constant] end
      if self.ObjectType == special_type then form = special end
    end
    if form.defaults[1] then fill_defaults(arg, form.defaults) end
    local action = ObjectTable[self.ObjectType][form.action]
    if type(action) ~= "function" then FunctionError() end
    return finish(self, form, action, arg)
  end
end

-- The function of a row with `direct`: only the argument check, then the action of that type's table.
local function direct_function(row)
  local check = row.check or {}
  local check_count = #check
  local form = form_of(row, check)
  local type_table = ObjectTable[ObjectTypes[row.direct]]
  local action_name = form.action
  return function(self, ...)
    if check_count > 0 then check_args(arg, check, check_count) end
    if form.defaults[1] then fill_defaults(arg, form.defaults) end
    return call(self, form, type_table[action_name], arg)
  end
end

-- Attaches the methods of a list of rows to Rividi, in order.
function Build.attach(rows)
  for i = 1, #rows do
    local row = rows[i]
    if row.direct then Rividi[row.name] = direct_function(row) else Rividi[row.name] = Build.method(row) end
  end
end
