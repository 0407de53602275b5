-- services.lua: the host's Table, Debug, Dialog, Window and DLL actions: function(host, ...).
return function(objects)
  -- user32's window properties, as DLL.CallFunction reaches them: hwnd,"name"[,value] -> text.
  local user32 = {
    SetPropA = function(props, hwnd, name, value)
      props[hwnd] = props[hwnd] or {}
      props[hwnd][name] = value
      return "1"
    end,
    GetPropA = function(props, hwnd, name)
      return props[hwnd] and props[hwnd][name] or "0"
    end,
    RemovePropA = function(props, hwnd, name)
      local value = props[hwnd] and props[hwnd][name]
      if value then props[hwnd][name] = nil end
      return value or "0"
    end,
  }

  local function call_function(host, library, name, parameters)
    local f = library == "user32.dll" and user32[name]
    local hwnd, prop, rest = tostring(parameters):match('^([^,]*),"([^"]*)"(.*)$')
    if not f or not hwnd then return "0" end
    return f(host.state.window_props, hwnd, prop, rest:match("^,(.*)$"))
  end

  return {
    Table = {
      Count = function(_, t)
        local n = 0
        for _ in pairs(t) do n = n + 1 end
        return n
      end,
    },
    Debug = {
      Print = function(host, text) host.printed[#host.printed + 1] = text end,
    },
    Dialog = {
      Message = function(host, title, text, buttons, icon)
        host.messages[#host.messages + 1] = { title = title, text = text, buttons = buttons, icon = icon }
        return 1
      end,
    },
    Window = {
      GetSize = function(host, handle)
        return objects.copy(host.state.windows[handle] or { Width = 800, Height = 600 })
      end,
    },
    DLL = {
      CallFunction = call_function,
    },
  }
end
