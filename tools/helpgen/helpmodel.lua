-- helpmodel.lua: turns the script's method tables and the function descriptions into help pages.
-- A page: id (file name without .html), title, section, group, args = { { name, type, optional, default } },
-- results, chain, errors, example, about, variants.
local model = {}

local PLACEHOLDER = { string = '"text"', number = "1", table = "{}", boolean = "true" }
local NOOBJ = "This is not a valid zObject handle! (only while ZOBJECT_SURPRESS_ERRORS is false)"
local UNSUPPORTED = "This objecttype does not support this function!"
local TYPE_ERRORS = {
  number = "Argument %d must be of type number!", string = "Argument %d must be of type string!",
  table = "Argument %d must be of type table!", boolean = "Argument %d must be of type boolean!",
}

local CHAINED = "Level 0: returns the results. Level 1: returns the handle, then the results. "
  .. "Level 2: as level 1, and the first result (\"\" for none, nil or false) is appended to the object's stack."
local CHAINED_NONE = "Level 0: returns nothing. Level 1: returns the handle. "
  .. "Level 2: as level 1, and \"\" is appended to the object's stack."
local PAGE_CHAINED = "Level 0: returns the results. Level 1 and 2: returns the handle, then the results; "
  .. "nothing is recorded in the stack cache."
local DIRECT = "Not chained: returns its values directly and records nothing."

-- Runs the script's row files with a stub Rividi and returns what they put in Rividi._Build.
function model.load_rows(script_dir)
  local env = { Rividi = { _Build = {} } }
  setmetatable(env, { __index = _G })
  local order = assert(io.open(script_dir .. "/order.txt"))
  for line in order:lines() do
    local file = line:match("^%s*(%S+_rows%.lua)%s*$")
    if file then
      local chunk = assert(loadfile(script_dir .. "/" .. file))
      setfenv(chunk, env)
      chunk()
    end
  end
  order:close()
  return env.Rividi._Build
end

local function default_text(d)
  if d.global then return "the host's " .. d.global .. " at the call" end
  if type(d[3]) == "string" then return string.format("%q", d[3]) end
  return tostring(d[3])
end

-- Arguments of a method-frame row: required ones by check, then the optional positions.
local function row_args(row)
  local args = {}
  for i, t in ipairs(row.check or {}) do args[i] = { name = "Argument " .. i, type = t } end
  for _, d in ipairs(row.defaults or {}) do
    args[d[1]] = { name = "Argument " .. d[1], type = d.also and d[2] .. " or " .. d.also or d[2], optional = true,
      default = default_text(d) }
  end
  for i = 1, #args do args[i] = args[i] or { name = "Argument " .. i, type = "any", optional = true } end
  return args
end

local function type_errors(args)
  local errors = {}
  for i, a in ipairs(args) do
    if not a.optional and TYPE_ERRORS[a.type] then errors[#errors + 1] = TYPE_ERRORS[a.type]:format(i) end
  end
  return errors
end

local function example(receiver, name, args)
  local values = {}
  for i, a in ipairs(args) do
    if a.optional then break end
    values[i] = PLACEHOLDER[a.type] or "nil"
  end
  return receiver .. ":" .. name .. "(" .. table.concat(values, ", ") .. ")"
end

local function with_all(first, rest)
  for _, v in ipairs(rest) do first[#first + 1] = v end
  return first
end

local function variants_of(row)
  local s = row.special
  if not s then return nil end
  local parts = {}
  if s.check then parts[#parts + 1] = "required " .. table.concat(s.check, ", ") end
  if s.defaults then
    local ds = {}
    for _, d in ipairs(s.defaults) do ds[#ds + 1] = "argument " .. d[1] .. " " .. d[2] .. ": " .. default_text(d) end
    parts[#parts + 1] = "optional " .. table.concat(ds, "; ")
  end
  if s.results then parts[#parts + 1] = "results " .. s.results end
  return "For " .. s.type .. " objects: " .. (#parts > 0 and table.concat(parts, "; ") or "a form of its own") .. "."
end

-- A method made by the method frame from a row.
local function frame_page(row, group)
  if row.direct then
    local args = row_args(row)
    return { id = "rividi_" .. row.name, title = "Rividi." .. row.name, section = "Functions", args = args,
      results = "the values of the " .. row.direct:gsub("OBJECT_", ""):lower() .. " action", chain = DIRECT,
      errors = {}, example = "local color = Rividi." .. row.name .. "(255, 0, 0)" }
  end
  local args = row_args(row)
  local none = row.results == "none"
  return { id = "rividi_" .. row.name, title = "Object:" .. row.name, section = "Object methods", group = group,
    args = args, results = none and "nothing of its own" or (row.results == "first" and "the action's first value"
      or "every value the host action returns"),
    chain = none and CHAINED_NONE or CHAINED,
    errors = with_all({ NOOBJ }, with_all(type_errors(args), { UNSUPPORTED })),
    example = example("Object1", row.name, args), variants = variants_of(row),
    about = row.named == false and "Calls the action without the object's name." or nil }
end

local function descriptor_args(d)
  local args = {}
  for i, a in ipairs(d.args or {}) do
    args[i] = { name = a[1] or a.name, type = a[2] or a.type, optional = a.optional or a.default ~= nil,
      default = a.default ~= nil and tostring(a.default) or nil }
  end
  return args
end

local function message_list(errors)
  local list = {}
  for _, text in pairs(errors or {}) do list[#list + 1] = text end
  table.sort(list)
  return list
end

-- A computed handle method described by name, args and results.
local function computed_page(d, group)
  local args = descriptor_args(d)
  local results = d.results or {}
  return { id = "rividi_" .. d.name, title = "Object:" .. d.name, section = "Object methods", group = group,
    args = args, results = #results > 0 and table.concat(results, ", ") or "nothing of its own",
    chain = #results > 0 and CHAINED or CHAINED_NONE,
    errors = with_all({ NOOBJ }, with_all(type_errors(args), with_all(message_list(d.errors), { UNSUPPORTED }))),
    example = example("Object1", d.name, args) }
end

local function string_page(row)
  local page = frame_page({ name = row.name, check = row.check, defaults = row.defaults,
    results = row.kind == "writer" and "none" or "first" }, "Text")
  page.about = row.kind == "writer"
    and "Applies String." .. row.name .. " to the object's text and sets the result as its text."
    or "Applies String." .. row.name .. " to the object's text and returns the result."
  return page
end

local function event_page(row)
  local page = frame_page({ name = row.name, check = row.check, defaults = row.defaults, results = row.results },
    "Scripts and events")
  page.about = "Calls the page's or the shown dialog's " .. row.action .. " with the object's name."
  page.errors = type_errors(page.args)
  return page
end

local function window_property_pages(row)
  local args = { { name = "WindowHandle", type = "number" }, { name = "Name", type = "string" } }
  if row.with_value then args[3] = { name = "Value", type = "any" } end
  local helper = { id = "helpers_" .. row.name, title = "Rividi._Helpers." .. row.name, section = "Functions",
    args = args, results = row.number and "the property's value as a number, or nil when the reply is not numeric"
      or "what DLL.CallFunction returns", chain = DIRECT, errors = {},
    about = "Calls user32's " .. row.fn .. " through DLL.CallFunction.",
    example = "Rividi._Helpers." .. row.name .. "(Application.GetWndHandle(), \"MyProperty\"" ..
      (row.with_value and ", 1)" or ")") }
  local method = { id = "rividi_" .. row.name, title = "Object:" .. row.name, section = "Object methods",
    group = "Window properties", args = {}, results = "nothing of its own", chain = CHAINED_NONE, errors = {},
    about = "Takes any arguments and only returns through the result chain; the window property itself is "
      .. "set with Rividi._Helpers." .. row.name .. ".", example = "Object1:" .. row.name .. "()" }
  return { helper, method }
end

local function page_handle_pages(row)
  local pages = {}
  local args = row_args(row)
  if row.object then args[1].type = args[1].type .. " or object handle" end
  local function one(prefix, receiver, section, fields)
    local direct = (fields.results or row.results) == "direct"
    local none = (fields.results or row.results) == "none"
    pages[#pages + 1] = { id = prefix .. row.name, title = receiver .. ":" .. row.name, section = section,
      args = args, results = none and "nothing of its own" or "every value the host action returns",
      chain = direct and DIRECT or PAGE_CHAINED, errors = type_errors(args),
      about = "Calls " .. (fields.calls or row.calls
        or ((prefix == "page_" and "Page." or "DialogEx.") .. row.name)) .. ".",
      example = example(receiver, row.name, args) }
  end
  if not row.dialog_only then one("page_", "hPage", "Page handle methods", {}) end
  local dialog = row.dialog or {}
  one("dialog_", "hDialog", "Dialog handle methods", { calls = dialog.calls or row.calls, results = dialog.results })
  return pages
end

local function function_page(d)
  local is_method = d.method
  local args = descriptor_args(d)
  local title = is_method and ("Object:" .. d.name) or d.name
  local id = d.name:gsub("^Rividi%.", "rividi_"):gsub("%.", "_")
  if not d.name:find("^Rividi%.") and not is_method then id = "global_" .. id end
  if is_method then id = "rividi_" .. d.name end
  return { id = id, title = title, section = is_method and "Object methods" or "Functions",
    group = is_method and "Handles and stacks" or nil, args = args, results = d.results,
    chain = DIRECT, errors = d.errors or {}, example = d.example, about = d.about }
end

local function page_function_page(d)
  local page = function_page({ name = d.path and ("Rividi." .. d.path .. "." .. d.name) or ("Rividi." .. d.name),
    args = d.args, results = #(d.results or {}) > 0 and table.concat(d.results, ", ") or "nothing",
    errors = message_list(d.errors),
    example = "local h = Rividi." .. (d.path and d.path .. "." or "") .. d.name .. "()" })
  page.id = "rividi_" .. d.name
  return page
end

-- Every page, in the order of the contents.
function model.pages(build, functions)
  local pages = {}
  local function add(page) pages[#pages + 1] = page end
  for _, d in ipairs(functions) do add(function_page(d)) end
  for _, d in ipairs(build.page_functions or {}) do add(page_function_page(d)) end
  for _, row in ipairs(build.text_rows or {}) do add(frame_page(row, "Text")) end
  for _, d in ipairs(build.text_methods or {}) do add(computed_page(d, "Text")) end
  for _, row in ipairs(build.string_rows or {}) do add(string_page(row)) end
  for _, row in ipairs(build.geometry_rows or {}) do add(frame_page(row, "Geometry and visibility")) end
  for _, d in ipairs(build.geometry_methods or {}) do add(computed_page(d, "Geometry and visibility")) end
  for _, row in ipairs(build.event_rows or {}) do add(event_page(row)) end
  for _, row in ipairs(build.window_property_rows or {}) do
    for _, page in ipairs(window_property_pages(row)) do add(page) end
  end
  for _, group in ipairs(build.forwarding_rows or {}) do
    for _, row in ipairs(group) do add(frame_page(row, group.group)) end
  end
  for _, row in ipairs(build.page_rows or {}) do
    for _, page in ipairs(page_handle_pages(row)) do add(page) end
  end
  -- A name given twice (a later row replaces an earlier one in the script) keeps its last page.
  local last, unique = {}, {}
  for i, page in ipairs(pages) do last[page.id] = i end
  for i, page in ipairs(pages) do
    if last[page.id] == i then unique[#unique + 1] = page end
  end
  return unique
end

return model
