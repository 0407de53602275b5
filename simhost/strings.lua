-- strings.lua: the host's String actions (1-based positions, -1 for "not found", no patterns).
local find, sub, lower, upper, byte = string.find, string.sub, string.lower, string.upper, string.byte
local tonumber, concat = tonumber, table.concat

local S = {}

local function folded(s, case_sensitive)
  if case_sensitive then return s end
  return lower(s)
end

-- Position of `search` in `s` from `start` (default 1), or -1; case-insensitive unless told otherwise.
function S.Find(s, search, start, case_sensitive)
  if search == "" then return -1 end
  start = tonumber(start) or 1
  if start < 1 then start = 1 end
  local at = find(folded(s, case_sensitive), folded(search, case_sensitive), start, true)
  return at or -1
end

function S.ReverseFind(s, search, case_sensitive)
  local last, from = -1, 1
  while true do
    local at = S.Find(s, search, from, case_sensitive)
    if at == -1 then return last end
    last, from = at, at + 1
  end
end

function S.Left(s, n)
  if n <= 0 then return "" end
  return sub(s, 1, n)
end

function S.Right(s, n)
  if n <= 0 then return "" end
  return sub(s, -n)
end

-- `count` characters from `start`; -1 takes the rest.
function S.Mid(s, start, count)
  if start < 1 then start = 1 end
  if count == -1 then return sub(s, start) end
  if count <= 0 then return "" end
  return sub(s, start, start + count - 1)
end

function S.Length(s) return #s end
function S.Lower(s) return lower(s) end
function S.Upper(s) return upper(s) end

-- Every occurrence of `search` replaced by `replacement`; case-insensitive unless told otherwise.
function S.Replace(s, search, replacement, case_sensitive)
  if search == "" then return s end
  local haystack, needle = folded(s, case_sensitive), folded(search, case_sensitive)
  local parts, from = {}, 1
  while true do
    local at = find(haystack, needle, from, true)
    if not at then break end
    parts[#parts + 1] = sub(s, from, at - 1)
    parts[#parts + 1] = replacement
    from = at + #search
  end
  parts[#parts + 1] = sub(s, from)
  return concat(parts)
end

local function compare(a, b)
  if a == b then return 0 end
  return a < b and -1 or 1
end

function S.Compare(a, b) return compare(a, b) end
function S.CompareNoCase(a, b) return compare(lower(a), lower(b)) end

local function trim_set(chars)
  local set = {}
  for i = 1, #(chars or " \t\r\n") do set[byte(chars or " \t\r\n", i)] = true end
  return set
end

function S.TrimLeft(s, chars)
  local set, i = trim_set(chars), 1
  while i <= #s and set[byte(s, i)] do i = i + 1 end
  return sub(s, i)
end

function S.TrimRight(s, chars)
  local set, i = trim_set(chars), #s
  while i >= 1 and set[byte(s, i)] do i = i - 1 end
  return sub(s, 1, i)
end

-- The number that the text spells, or 0.
function S.ToNumber(s)
  return tonumber(s) or 0
end

-- Drive ("C:"), Folder (with its closing separator), Filename (without extension), Extension (with its dot).
function S.SplitPath(path)
  local drive, rest = path:match("^(%a:)(.*)$")
  if not drive then drive, rest = "", path end
  local folder, file = rest:match("^(.*[\\/])(.*)$")
  if not folder then folder, file = "", rest end
  local name, extension = file:match("^(.+)(%.[^.]*)$")
  if not name then name, extension = file, "" end
  return { Drive = drive, Folder = folder, Filename = name, Extension = extension }
end

function S.MakePath(parts)
  return (parts.Drive or "") .. (parts.Folder or "") .. (parts.Filename or "") .. (parts.Extension or "")
end

-- The path itself when it fits in `length` characters, else drive, "\...\" and the file name.
function S.AbbreviateFilePath(path, length)
  if #path <= length then return path end
  local parts = S.SplitPath(path)
  return parts.Drive .. "\\...\\" .. parts.Filename .. parts.Extension
end

-- -1, 0 or 1 as version `a` ("1.2.0.4") is lower than, equal to or higher than `b`.
function S.CompareFileVersions(a, b)
  local function numbers(v)
    local list = {}
    for part in v:gmatch("[^.]+") do list[#list + 1] = tonumber(part) or 0 end
    return list
  end
  local x, y = numbers(a), numbers(b)
  for i = 1, (#x > #y) and #x or #y do
    local c = compare(x[i] or 0, y[i] or 0)
    if c ~= 0 then return c end
  end
  return 0
end

return S
