-- project.lua: builds the host's state (pages, dialogs and their objects) from a project description.
return function(objects, kinds_by_name)
  local project = {}

  -- The project a host gets when it is given none.
  function project.default()
    return {
      pages = {
        { name = "Page1", objects = {
          { name = "Input1", type = "Input",
            properties = { Text = "Hello", X = 10, Y = 10, Width = 200, Height = 24 } },
          { name = "Button1", type = "Button", properties = { Text = "OK", X = 10, Y = 50, Width = 80, Height = 30 } },
          { name = "Image1", type = "Image", properties = { X = 300, Y = 10, Width = 64, Height = 64 } },
          { name = "RichText1", type = "RichText",
            properties = { Text = "Rich", X = 10, Y = 100, Width = 200, Height = 80 } },
          { name = "Plugin1", type = "Plugin" },
        } },
        { name = "Page2" },
      },
      dialogs = {
        { name = "Dialog1", objects = {
          { name = "DialogInput", type = "Input", properties = { Text = "In the dialog" } },
        } },
      },
    }
  end

  local function new_place(kind, description, index)
    local place = {
      kind = kind, name = description.name,
      properties = objects.copy(description.properties or {}),
      size = objects.copy(description.size or { Width = 800, Height = 600 }),
      objects = {}, order = {}, scripts = {}, zorder = {}, radio = {},
      focus = "", wnd = (kind == "dialog" and 2000 or 1000) + index,
    }
    for _, o in ipairs(description.objects or {}) do
      local kind_row = kinds_by_name[o.type]
      assert(kind_row, "simhost: unknown object type " .. tostring(o.type) .. " for " .. tostring(o.name))
      assert(not place.objects[o.name], "simhost: two objects named " .. tostring(o.name))
      place.objects[o.name] = objects.new(o.name, kind_row, o.properties)
      place.order[#place.order + 1] = o.name
    end
    return place
  end

  local function add_places(list, kind, descriptions)
    for i, d in ipairs(descriptions or {}) do
      assert(type(d.name) == "string", "simhost: a " .. kind .. " needs a name")
      list[d.name] = new_place(kind, d, i)
    end
  end

  -- The state of a host running `description`.
  function project.build(description)
    description = description or project.default()
    local state = { pages = {}, dialogs = {}, windows = objects.copy(description.windows or {}), window_props = {} }
    add_places(state.pages, "page", description.pages)
    add_places(state.dialogs, "dialog", description.dialogs)
    state.current_page = description.current_page or (description.pages and description.pages[1]
      and description.pages[1].name)
    assert(state.pages[state.current_page or ""], "simhost: a project needs a page to start on")
    state.shown_dialog = description.shown_dialog
    assert(state.shown_dialog == nil or state.dialogs[state.shown_dialog], "simhost: no such dialog to show")
    return state
  end

  return project
end
