-- helphtml.lua: writes help pages, the contents, the index and the project file for chmcmd.
local html = {}

local function escape(text)
  return (tostring(text):gsub("&", "&amp;"):gsub("<", "&lt;"):gsub(">", "&gt;"):gsub('"', "&quot;"))
end

local function write_file(path, text)
  local file = assert(io.open(path, "wb"))
  file:write(text)
  file:close()
end

local function document(title, body)
  return table.concat({
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">",
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<title>" .. escape(title) .. "</title>",
    "<style>body{font-family:Verdana,sans-serif;font-size:10pt} pre{background:#f0f0f0;padding:6px}"
      .. " th{text-align:left}</style></head><body>",
    body, "</body></html>", "" }, "\r\n")
end

local function signature(page)
  local names = {}
  for i, a in ipairs(page.args) do names[i] = a.optional and "[" .. a.name .. "]" or a.name end
  return page.title .. "(" .. table.concat(names, ", ") .. ")"
end

local function args_table(page)
  if #page.args == 0 then return "<p>None.</p>" end
  local rows = { "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">",
    "<tr><th>Argument</th><th>Type</th><th>Required</th><th>Default</th></tr>" }
  for _, a in ipairs(page.args) do
    rows[#rows + 1] = "<tr><td>" .. escape(a.name) .. "</td><td>" .. escape(a.type) .. "</td><td>"
      .. (a.optional and "no" or "yes") .. "</td><td>" .. escape(a.default or "") .. "</td></tr>"
  end
  rows[#rows + 1] = "</table>"
  return table.concat(rows, "\r\n")
end

local function errors_list(page)
  if #page.errors == 0 then return "<p>None of its own.</p>" end
  local items = { "<ul>" }
  for _, e in ipairs(page.errors) do items[#items + 1] = "<li>" .. escape(e) .. "</li>" end
  items[#items + 1] = "</ul>"
  return table.concat(items, "\r\n")
end

function html.page(page)
  local body = {
    "<h1>" .. escape(page.title) .. "</h1>",
    "<pre>" .. escape(signature(page)) .. "</pre>",
    page.about and ("<p>" .. escape(page.about) .. "</p>") or "",
    "<h2>Arguments</h2>", args_table(page),
    "<h2>Results</h2><p>" .. escape(page.results or "nothing") .. "</p>",
    "<h2>Chaining</h2><p>" .. escape(page.chain) .. "</p>",
    page.variants and ("<h2>Variants</h2><p>" .. escape(page.variants) .. "</p>") or "",
    "<h2>Errors</h2>", errors_list(page),
    "<h2>Example</h2><pre>" .. escape(page.example or "") .. "</pre>",
    "<p><a href=\"../index.html\">Contents</a></p>",
  }
  return document(page.title, table.concat(body, "\r\n"))
end

local function sections_of(pages)
  local order, by_section = {}, {}
  for _, page in ipairs(pages) do
    local s = by_section[page.section]
    if not s then
      s = { name = page.section, groups = {}, group_order = {} }
      by_section[page.section] = s
      order[#order + 1] = s
    end
    local g = page.group or ""
    if not s.groups[g] then
      s.groups[g] = {}
      s.group_order[#s.group_order + 1] = g
    end
    table.insert(s.groups[g], page)
  end
  return order
end

local function object_entry(name, target)
  local param = target and ("<param name=\"Local\" value=\"" .. target .. "\">") or ""
  return "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"" .. escape(name) .. "\">" .. param
    .. "</object>"
end

function html.contents(pages)
  local lines = { "<html><body><ul>", object_entry("Rividi", "index.html") }
  for _, section in ipairs(sections_of(pages)) do
    lines[#lines + 1] = object_entry(section.name) .. "<ul>"
    for _, g in ipairs(section.group_order) do
      if g ~= "" then lines[#lines + 1] = object_entry(g) .. "<ul>" end
      for _, page in ipairs(section.groups[g]) do
        lines[#lines + 1] = object_entry(page.title, "pages/" .. page.id .. ".html")
      end
      if g ~= "" then lines[#lines + 1] = "</ul>" end
    end
    lines[#lines + 1] = "</ul>"
  end
  lines[#lines + 1] = "</ul></body></html>"
  return table.concat(lines, "\r\n")
end

function html.index(pages)
  local sorted = {}
  for i, page in ipairs(pages) do sorted[i] = page end
  table.sort(sorted, function(a, b) return a.title:lower() < b.title:lower() end)
  local lines = { "<html><body><ul>" }
  for _, page in ipairs(sorted) do lines[#lines + 1] = object_entry(page.title, "pages/" .. page.id .. ".html") end
  lines[#lines + 1] = "</ul></body></html>"
  return table.concat(lines, "\r\n")
end

function html.front(pages)
  local body = { "<h1>Rividi Action Plugin</h1>",
    "<p>Rividi gives AMS project scripts object handles over the host's actions: make a handle once with "
      .. "<code>Rividi.Create(\"Input1\")</code> and call methods on it, such as "
      .. "<code>Input1:SetText(\"Hello\")</code>.</p>" }
  for _, section in ipairs(sections_of(pages)) do
    body[#body + 1] = "<h2>" .. escape(section.name) .. "</h2><ul>"
    for _, g in ipairs(section.group_order) do
      for _, page in ipairs(section.groups[g]) do
        body[#body + 1] = "<li><a href=\"pages/" .. page.id .. ".html\">" .. escape(page.title) .. "</a></li>"
      end
    end
    body[#body + 1] = "</ul>"
  end
  return document("Rividi Action Plugin", table.concat(body, "\r\n"))
end

function html.project(pages)
  local lines = { "[OPTIONS]", "Compatibility=1.1 or later", "Compiled file=Rividi.chm", "Contents file=toc.hhc",
    "Index file=index.hhk", "Default topic=index.html", "Display compile progress=No",
    "Language=0x409 English (United States)", "Title=Rividi Action Plugin", "", "[FILES]", "index.html" }
  for _, page in ipairs(pages) do lines[#lines + 1] = "pages/" .. page.id .. ".html" end
  lines[#lines + 1] = ""
  return table.concat(lines, "\r\n")
end

function html.write_all(out_dir, pages)
  os.execute("mkdir -p '" .. out_dir .. "/pages'")
  for _, page in ipairs(pages) do write_file(out_dir .. "/pages/" .. page.id .. ".html", html.page(page)) end
  write_file(out_dir .. "/index.html", html.front(pages))
  write_file(out_dir .. "/toc.hhc", html.contents(pages))
  write_file(out_dir .. "/index.hhk", html.index(pages))
  write_file(out_dir .. "/Rividi.hhp", html.project(pages))
end

return html
