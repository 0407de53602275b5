-- types.lua: which actions each of the host's 21 type tables offers (data only; objects.lua gives them behaviour).
local object = { "GetPos", "SetPos", "GetSize", "SetSize", "IsVisible", "SetVisible",
  "IsEnabled", "SetEnabled", "GetProperties", "SetProperties" }
local opacity = { "GetOpacity", "SetOpacity" }
local text = { "GetText", "SetText" }
local scroll = { "GetScrollRange", "GetScrollPos", "SetScrollPos" }
local check = { "GetChecked", "SetChecked" }
local edit = { "Cut", "Copy", "Paste", "Delete", "Undo", "CanUndo", "GetSelection", "SetSelection" }
local media = { "Load", "Play", "Stop", "Pause", "Seek", "GetLength", "GetState", "GetCurrentPos",
  "SetCurrentPos", "GetVolume", "SetVolume", "GetMute", "SetMute", "GetFullScreen", "SetFullScreen",
  "IsFullScreen", "GetFilename", "GetFileInfo" }
local items = { "AddItem", "InsertItem", "DeleteItem", "GetItemText", "SetItemText", "GetItemData",
  "SetItemData", "FindItem", "GetCount", "GetSelected", "SetSelected", "SetUpdate" }
local rich = { "CanPaste", "ScrollToLine", "ScrollLines", "GetLine", "FindText", "GetTextLength",
  "EmptyUndoBuffer", "GetParagraphFormat", "SetParagraphFormat", "GetSelectionFormat",
  "SetSelectionFormat", "LoadFromFile", "SaveToFile" }
local grid = { "DeleteRow", "GetRowResize", "EditCopy", "SetCellColors", "SetCellText", "GetUnhideColumn",
  "SetSelectedRange", "SetFixedColumnCount", "SetHeaderSort", "SetCellFont", "IsCellSelected",
  "GetTabEnabled", "GetColumnWidth", "GetFixedColumnSelection", "ExpandColumnsToFit", "SetColumnCount",
  "AutoSizeRows", "GetHeaderSort", "GetColumnCount", "SetColumnWidth", "SortTextItems", "GetSortAscending",
  "GetSingleRowSelection", "AutoSize", "GetGridColors", "EditCut", "SelectAll", "SetGridColors",
  "SetFocusCell", "SetTabEnabled", "GetFrameFocusCell", "SetColumnResize", "GetGridLines", "DeleteAllItems",
  "SetSingleColumnSelection", "GetCellColors", "SetGridLines", "LoadFromFile", "GetSingleColumnSelection",
  "GetColumnResize", "SetColumnHiding", "SetSortAscending", "SetSingleRowSelection", "SetRowHiding",
  "SetToolTipsEnabled", "EditPaste", "SetRedraw", "IsCellVisible", "IsCellEditable", "RedrawRow",
  "RedrawColumn", "RedrawCell", "GetModified", "GetNextItem", "SetFrameFocusCell", "IsCellValid",
  "GetToolTipsEnabled", "AutoSizeRow", "SetFixedRowCount", "GetRowCount", "GetColumnHiding",
  "AutoSizeColumn", "SaveToFile", "GetUnhideRow", "GetSortColumn", "SetUnhideRow", "GetFocusCell",
  "SetSelectable", "SetFixedColumnSelection", "GetFixedRowCount", "ExpandToFit", "SetRowCount",
  "GetFixedRowSelection", "SetFixedRowSelection", "SetRowResize", "EnsureVisible", "GetRowHeight",
  "GetListMode", "SetDragAndDrop", "GetCellText", "SetRowHeight", "AutoSizeColumns", "DeleteColumn",
  "ExpandRowsToFit", "SetEditable", "ExpandLastColumn", "GetSelectable", "GetRowHiding", "GetTrackFocusCell",
  "GetDragAndDrop", "GetFixedColumnCount", "GetEditable", "IsCellFixed", "SetListMode", "SetTrackFocusCell",
  "InsertColumn", "InsertRow", "SetUnhideColumn", "DeleteNonFixedRows", "SetModified", "GetCellState",
  "MakeColorRGB" }

-- Type table name -> groups of action names.
return {
  Button = { object, opacity, text, { "GetState", "SetState", "GetImage", "SetImage" } },
  Label = { object, opacity, text },
  Paragraph = { object, opacity, text, scroll },
  Image = { object, opacity, { "Load", "GetFilename" } },
  Flash = { object, { "Load", "Play", "Stop", "Seek", "GetState", "SetFlashVariable", "GetFlashVariable" } },
  Video = { object, media },
  Web = { object, { "LoadURL", "GetURL", "Back", "Forward", "Refresh", "Stop", "PrintWithDialog",
    "Print", "LoadHTML" } },
  Input = { object, opacity, text, edit },
  Hotspot = { object },
  ListBox = { object, opacity, items, { "SelectItem", "DeselectItem", "GetSelectedCount", "IsItemSelected",
    "GetItemCheck", "SetItemCheck", "SetType", "GetChecked", "GetCheckedCount", "EnsureVisible" } },
  ComboBox = { object, opacity, items, { "ResetContent" } },
  Progress = { object, opacity, text, { "GetRange", "SetRange", "StepIt", "SetStep", "GetCurrentPos",
    "SetCurrentPos" } },
  Tree = { object, opacity, { "ExpandNode", "CollapseNode", "GetChildren", "SetNode", "GetNode",
    "FindNodeByData", "FindNodeByText", "SetSelectedNode", "RemoveNode", "GetChildCount",
    "GetSelectedNode", "InsertNode", "EnsureVisible" } },
  RadioButton = { object, opacity, text, check },
  RichText = { object, opacity, text, scroll, edit, rich },
  CheckBox = { object, opacity, text, check },
  SlideShow = { object, opacity, { "GetCurrentSlide", "GetSlideCount", "FillFromFolder", "AddSlide",
    "DeleteSlide", "GoToSlide", "GetImagePath", "Play", "Stop" } },
  Grid = { object, opacity, grid },
  Plugin = { object },
  PDF = { object, { "LoadFile", "GoToPage", "Navigate", "Print", "SetNameDest", "SetZoomScroll", "GetFile" } },
  QuickTime = { object, media },
}
