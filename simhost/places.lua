-- places.lua: the Page, DialogEx and Application actions over the host's pages and dialogs.
return function(objects, kinds_by_value, no_type)
  local places = {}

  -- Actions of Page and DialogEx: function(host, place, ...), place being the current page or shown dialog.
  places.common = {
    EnumerateObjects = function(_, place)
      if #place.order == 0 then return nil end
      local names = {}
      for i, name in ipairs(place.order) do names[i] = name end
      return names
    end,
    GetObjectType = function(_, place, name)
      local o = place.objects[name]
      if o then return o.type end
      return no_type
    end,
    -- An object of a known type under a new name; an existing name or an unknown type changes nothing.
    CreateObject = function(_, place, type_value, name, properties)
      local kind = kinds_by_value[type_value]
      if not kind or type(name) ~= "string" or place.objects[name] then return end
      place.objects[name] = objects.new(name, kind, properties)
      place.order[#place.order + 1] = name
    end,
    DeleteObject = function(_, place, name)
      if not place.objects[name] then return end
      place.objects[name] = nil
      for i, n in ipairs(place.order) do
        if n == name then table.remove(place.order, i) break end
      end
    end,
    ClickObject = function() end,
    GetFocus = function(_, place) return place.focus end,
    SetFocus = function(_, place, name) place.focus = name end,
    GetObjectScript = function(_, place, name, event)
      local scripts = place.scripts[name]
      return scripts and scripts[event] or ""
    end,
    SetObjectScript = function(_, place, name, event, script)
      place.scripts[name] = place.scripts[name] or {}
      place.scripts[name][event] = script
    end,
    SetObjectZOrder = function(_, place, name, position, reference)
      place.zorder[name] = { position = position, reference = reference }
    end,
    GetRadioValue = function(_, place, group) return place.radio[group or ""] or "" end,
    SetRadioValue = function(_, place, group, value) place.radio[group] = value end,
    GetSize = function(_, place) return objects.copy(place.size) end,
    Print = function() end,
    Redraw = function() end,
    StartTimer = function(_, place, interval) place.timer = interval end,
    StopTimer = function(_, place) place.timer = nil end,
  }

  places.dialog_only = {
    Close = function(host, place, result)
      place.result = result
      host.state.shown_dialog = nil
    end,
    GetWndHandle = function(_, place) return place.wnd end,
  }

  local function properties_of(list, name)
    local place = list[name]
    return place and objects.copy(place.properties)
  end

  local function merge_properties(list, name, t)
    local place = list[name]
    if not place then return end
    for k, v in pairs(t) do place.properties[k] = objects.copy(v) end
  end

  -- Application actions: function(host, ...).
  places.application = {
    GetCurrentPage = function(host) return host.state.current_page end,
    GetCurrentDialog = function(host) return host.state.shown_dialog or "" end,
    GetPageProperties = function(host, name) return properties_of(host.state.pages, name) end,
    SetPageProperties = function(host, name, t) merge_properties(host.state.pages, name, t) end,
    GetDialogProperties = function(host, name) return properties_of(host.state.dialogs, name) end,
    SetDialogProperties = function(host, name, t) merge_properties(host.state.dialogs, name, t) end,
    Sleep = function(host, ms) host.state.slept = (host.state.slept or 0) + ms end,
  }

  return places
end
