-- forwarding_actions.lua: the contents that list, tree, slide show and grid actions keep and read back.
--
-- Each behaviour takes the object's state, then the action's arguments after the name. Contents live on
-- the object's state: `items` (list and combo box: { text =, data = }), `tree` (the root node "0", whose
-- `children` are nodes of fields and `children`), `slides` (image paths) and `cells` (grid texts by row,
-- then column). Indexes count from 1; -1 deletes every item or slide; tree nodes are addressed by their
-- path of positions, "2.1" being the first child of the second top-level node.
local type, pairs, tostring, tonumber = type, pairs, tostring, tonumber
local table_insert, table_remove = table.insert, table.remove

local function copy_fields(node)
  local fields = {}
  for k, v in pairs(node) do
    if k ~= "children" then fields[k] = v end
  end
  return fields
end

local function items_of(o)
  o.items = o.items or {}
  return o.items
end

-- A position from 1 to count + 1, else count + 1 (the end).
local function insert_position(index, count)
  if type(index) == "number" and index >= 1 and index <= count + 1 and index % 1 == 0 then return index end
  return count + 1
end

local function slides_of(o)
  o.slides = o.slides or {}
  return o.slides
end

local function root_of(o)
  o.tree = o.tree or { children = {} }
  return o.tree
end

-- The node at a path such as "2.1" ("0" is the root), or nil.
local function node_at(o, path)
  local node = root_of(o)
  if path == "0" then return node end
  for step in tostring(path):gmatch("[^%.]+") do
    node = node.children[tonumber(step) or 0]
    if not node then return nil end
  end
  return node
end

-- The parent of the node at a path and the node's position under it.
local function parent_and_position(o, path)
  local parent_path, last = tostring(path):match("^(.*)%.(%d+)$")
  if not parent_path then parent_path, last = "0", tostring(path):match("^(%d+)$") end
  return node_at(o, parent_path), tonumber(last)
end

local function cells_of(o)
  o.cells = o.cells or {}
  return o.cells
end

local list = {
  AddItem = function(o, text, data)
    local items = items_of(o)
    items[#items + 1] = { text = text, data = data }
    return #items
  end,
  InsertItem = function(o, index, text, data)
    local items = items_of(o)
    local position = insert_position(index, #items)
    table_insert(items, position, { text = text, data = data })
    return position
  end,
  DeleteItem = function(o, index)
    local items = items_of(o)
    if index == -1 then o.items = {} elseif items[index] then table_remove(items, index) end
  end,
  ResetContent = function(o) o.items = {} end,
  GetCount = function(o) return #items_of(o) end,
  GetItemText = function(o, index)
    local item = items_of(o)[index]
    return item and item.text
  end,
  SetItemText = function(o, index, text)
    local item = items_of(o)[index]
    if item then item.text = text end
  end,
  GetItemData = function(o, index)
    local item = items_of(o)[index]
    return item and item.data
  end,
  SetItemData = function(o, index, data)
    local item = items_of(o)[index]
    if item then item.data = data end
  end,
}

local tree = {
  InsertNode = function(o, path, fields)
    local parent, position = parent_and_position(o, path)
    if not parent or type(fields) ~= "table" then return end
    local node = copy_fields(fields)
    node.children = {}
    table_insert(parent.children, insert_position(position, #parent.children), node)
  end,
  RemoveNode = function(o, path)
    if path == "0" then
      root_of(o).children = {}
      return
    end
    local parent, position = parent_and_position(o, path)
    if parent and parent.children[position] then table_remove(parent.children, position) end
  end,
  GetNode = function(o, path)
    local node = path ~= "0" and node_at(o, path)
    if node then return copy_fields(node) end
  end,
  SetNode = function(o, path, fields)
    local node = path ~= "0" and node_at(o, path)
    if not node or type(fields) ~= "table" then return end
    for k, v in pairs(fields) do
      if k ~= "children" then node[k] = v end
    end
  end,
  GetChildCount = function(o, path)
    local node = node_at(o, path)
    if node then return #node.children end
    return -1
  end,
  GetChildren = function(o, path)
    local node = node_at(o, path)
    if not node or #node.children == 0 then return nil end
    local children = {}
    for i, child in pairs(node.children) do children[i] = copy_fields(child) end
    return children
  end,
}

local slideshow = {
  AddSlide = function(o, path, index)
    local slides = slides_of(o)
    local position = insert_position(index, #slides)
    table_insert(slides, position, path)
    return position
  end,
  DeleteSlide = function(o, index)
    local slides = slides_of(o)
    if index == -1 then o.slides = {} elseif slides[index] then table_remove(slides, index) end
  end,
  GetSlideCount = function(o) return #slides_of(o) end,
  GetImagePath = function(o, index) return slides_of(o)[index] end,
  GoToSlide = function(o, index) o.values.CurrentSlide = index end,
}

local grid = {
  SetCellText = function(o, row, column, text)
    local cells = cells_of(o)
    cells[row] = cells[row] or {}
    cells[row][column] = text
  end,
  GetCellText = function(o, row, column)
    local cells_of_row = cells_of(o)[row]
    return cells_of_row and cells_of_row[column] or ""
  end,
  GetRowCount = function(o) return o.values.RowCount or 0 end,
  GetColumnCount = function(o) return o.values.ColumnCount or 0 end,
  DeleteAllItems = function(o)
    o.cells = {}
    local values = o.values
    values.RowCount, values.ColumnCount, values.FixedRowCount, values.FixedColumnCount = 0, 0, 0, 0
  end,
}

local behaviours = {}
for _, group in pairs({ list, tree, slideshow, grid }) do
  for action, behaviour in pairs(group) do behaviours[action] = behaviour end
end
return behaviours
