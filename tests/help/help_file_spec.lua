-- help_file_spec.lua: the compiled Rividi.chm has a page for every function and method the script makes.
local root = debug.getinfo(1, "S").source:match("^@(.-)[/\\]?tests[/\\]help[/\\][^/\\]*$") or "."
local support = dofile((root ~= "" and root or ".") .. "/tests/lua/support/rividi_state.lua")

local help_file = assert(os.getenv("RIVIDI_HELP_FILE"), "RIVIDI_HELP_FILE names the compiled help file")
local chmls = os.getenv("RIVIDI_CHMLS") or "chmls"

-- The names of the pages stored in the help file.
local function stored_pages()
  local listing = assert(io.popen("'" .. chmls .. "' -n -p list '" .. help_file .. "'"))
  local pages = {}
  for line in listing:lines() do
    local page = line:match("/pages/([^/]+)%.html%s*$")
    if page then pages[page] = true end
  end
  listing:close()
  return pages
end

local function functions_of(env, view)
  local names = {}
  for key, value in env.ropairs(view) do
    if type(value) == "function" then names[#names + 1] = key end
  end
  table.sort(names)
  return names
end

local function missing(pages, prefix, names)
  local absent = {}
  for _, name in ipairs(names) do
    if not pages[prefix .. name] then absent[#absent + 1] = prefix .. name end
  end
  return absent
end

describe("the help file", function()
  local pages = stored_pages()
  local env = support.new_state()
  local Rividi = env.Rividi

  it("holds the contents, the index and the front page", function()
    local listing = assert(io.popen("'" .. chmls .. "' -n -p list '" .. help_file .. "'"))
    local all = listing:read("*a")
    listing:close()
    for _, file in ipairs({ "/index.html", "/toc.hhc", "/index.hhk" }) do
      assert.truthy(all:find(file, 1, true), file)
    end
  end)

  it("has a page for every function and method of Rividi", function()
    local names = functions_of(env, Rividi)
    assert.is_true(#names > 250)
    assert.are.same({}, missing(pages, "rividi_", names))
  end)

  it("has a page for every page and dialog handle method", function()
    assert.are.same({}, missing(pages, "page_", functions_of(env, Rividi.PD.Page)))
    assert.are.same({}, missing(pages, "dialog_", functions_of(env, Rividi.PD.DialogEx)))
  end)

  it("has pages for the hidden egg, the error formatter and the global utilities", function()
    assert.are.same({}, missing(pages, "", { "rividi_EasterEgg", "rividi_Errors_Format",
      "global_make_read_only", "global_ropairs" }))
  end)

  it("documents the arguments, defaults and errors of a forwarding method", function()
    local out = os.tmpname()
    assert.is_true(os.execute("'" .. chmls .. "' extract '" .. help_file .. "' /pages/rividi_SetScrollPos.html '"
      .. out .. "' > /dev/null") == 0)
    local file = assert(io.open(out, "rb"))
    local page = file:read("*a")
    file:close()
    os.remove(out)
    assert.truthy(page:find("Object:SetScrollPos", 1, true))
    assert.truthy(page:find("<td>number</td><td>yes</td>", 1, true))
    assert.truthy(page:find("<td>boolean</td><td>no</td><td>true</td>", 1, true))
    assert.truthy(page:find("Argument 1 must be of type number!", 1, true))
    assert.truthy(page:find("This objecttype does not support this function!", 1, true))
  end)
end)
