-- chaining.lua: the chain level, the chained return of every method and the per-object result stacks.
local TC = Rividi._Helpers.TC
local type, pairs, unpack, error = type, pairs, unpack, error

function Rividi.SetCodeChaining(level)
  if type(level) ~= "number" or level < 0 or level > 2 then level = 0 end
  ZOBJECT_CODE_CHAINING = level
end

-- Handles without an ObjectName (page and dialog handles) record nothing.
local function record(name, first)
  if name == nil then return end
  local cache = ZOBJECT_STACK_CACHE
  local stack = cache[name]
  if not stack then
    stack = {}
    cache[name] = stack
  end
  if first == nil or first == false then first = "" end
  stack[TC(stack) + 1] = first
end

function Rividi.GenerateChain(handle, results)
  local level = ZOBJECT_CODE_CHAINING
  local chained = results
  if level > 0 then chained = { handle, unpack(results) } end
  if level == 2 then record(handle.ObjectName, results[1]) end
  return chained
end

function Rividi.GetStack(self, clear)
  if clear ~= nil and type(clear) ~= "boolean" then
    error("Argument #1 must be of type boolean or left empty!", 2)
  end
  if clear == nil then clear = true end
  local cache = ZOBJECT_STACK_CACHE
  local stack = cache[self.ObjectName]
  if stack == nil then return end
  local copy = {}
  for k, v in pairs(stack) do copy[k] = v end
  if clear then cache[self.ObjectName] = nil end
  return unpack(copy)
end

function Rividi.ClearStack(self)
  local cache = ZOBJECT_STACK_CACHE
  if cache[self.ObjectName] ~= nil then cache[self.ObjectName] = nil end
  if ZOBJECT_CODE_CHAINING > 0 then return self end
end

function Rividi.ClearStackCache()
  ZOBJECT_STACK_CACHE = {}
end
