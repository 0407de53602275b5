// host_transcript.cpp: formats the call log's entries and their arguments without running Lua code.
#include "host_transcript.h"

#include <algorithm>
#include <cctype>
#include <vector>

extern "C" {
#include <lua.h>
}

static const int TRANSCRIPT_MAX_DEPTH = 3;
static const size_t TRANSCRIPT_MAX_FIELDS = 40;

static std::string transcript_string(const char* s, size_t n) {
  std::string out = "\"";
  for (size_t i = 0; i < n; i++) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 32 || c == 127) out += "\\" + std::to_string(c);
        else out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

static std::string transcript_number(lua_State* L, int index) {
  lua_pushvalue(L, index);
  std::string text = lua_tostring(L, -1);  // converts the copy, not the value in its place
  lua_pop(L, 1);
  return text;
}

static bool transcript_isname(const char* s, size_t n) {
  if (n == 0 || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
  for (size_t i = 0; i < n; i++)
    if (!std::isalnum(static_cast<unsigned char>(s[i])) && s[i] != '_') return false;
  return true;
}

static std::string transcript_any(lua_State* L, int index, int depth);

// One field: its order (array part, then numbers, strings, other keys) and its text.
struct transcript_Field {
  int rank;
  double number;
  std::string key, text;
  bool operator<(const transcript_Field& o) const {
    if (rank != o.rank) return rank < o.rank;
    if (number != o.number) return number < o.number;
    return key < o.key;
  }
};

static transcript_Field transcript_field(lua_State* L, int depth, size_t array_length) {
  transcript_Field field{3, 0, "", ""};
  std::string value = transcript_any(L, -1, depth + 1);
  if (lua_type(L, -2) == LUA_TNUMBER) {
    field.number = lua_tonumber(L, -2);
    double whole = static_cast<double>(static_cast<long long>(field.number));
    bool in_array = whole == field.number && field.number >= 1 && field.number <= array_length;
    field.rank = in_array ? 0 : 1;
    field.text = in_array ? value : "[" + transcript_number(L, -2) + "] = " + value;
  } else if (lua_type(L, -2) == LUA_TSTRING) {
    size_t n;
    const char* key = lua_tolstring(L, -2, &n);
    field.rank = 2;
    field.key.assign(key, n);
    field.text = (transcript_isname(key, n) ? field.key : "[" + transcript_string(key, n) + "]") + " = " + value;
  } else {
    field.key = lua_typename(L, lua_type(L, -2));
    field.text = "[" + transcript_any(L, -2, TRANSCRIPT_MAX_DEPTH) + "] = " + value;
  }
  return field;
}

static std::string transcript_table(lua_State* L, int index, int depth) {
  if (depth >= TRANSCRIPT_MAX_DEPTH) return "{...}";
  size_t array_length = lua_objlen(L, index);
  std::vector<transcript_Field> fields;
  lua_pushnil(L);
  while (lua_next(L, index) != 0) {
    fields.push_back(transcript_field(L, depth, array_length));
    lua_pop(L, 1);
  }
  std::sort(fields.begin(), fields.end());
  std::string out = "{";
  for (size_t i = 0; i < fields.size() && i < TRANSCRIPT_MAX_FIELDS; i++) out += (i ? ", " : "") + fields[i].text;
  if (fields.size() > TRANSCRIPT_MAX_FIELDS) out += ", ...";
  return out + "}";
}

static std::string transcript_any(lua_State* L, int index, int depth) {
  if (index < 0) index = lua_gettop(L) + index + 1;
  switch (lua_type(L, index)) {
    case LUA_TNIL: return "nil";
    case LUA_TBOOLEAN: return lua_toboolean(L, index) ? "true" : "false";
    case LUA_TNUMBER: return transcript_number(L, index);
    case LUA_TSTRING: {
      size_t n;
      const char* s = lua_tolstring(L, index, &n);
      return transcript_string(s, n);
    }
    case LUA_TTABLE: return transcript_table(L, index, depth);
    default: return lua_typename(L, lua_type(L, index));
  }
}

std::string transcript_value(lua_State* L, int index) {
  return transcript_any(L, index, 0);
}

static std::string transcript_textfield(lua_State* L, int index, const char* name) {
  lua_getfield(L, index, name);
  std::string text = lua_isstring(L, -1) ? lua_tostring(L, -1) : "?";
  lua_pop(L, 1);
  return text;
}

// The entry on top of the stack: { table = "Input", action = "SetText", args = { n = 2, ... } }.
static std::string transcript_entry(lua_State* L) {
  int entry = lua_gettop(L);
  std::string line = transcript_textfield(L, entry, "table") + "." + transcript_textfield(L, entry, "action") + "(";
  lua_getfield(L, entry, "args");
  if (lua_istable(L, -1)) {
    lua_getfield(L, -1, "n");
    int n = static_cast<int>(lua_tointeger(L, -1));
    lua_pop(L, 1);
    for (int i = 1; i <= n; i++) {
      lua_rawgeti(L, -1, i);
      line += (i > 1 ? ", " : "") + transcript_value(L, -1);
      lua_pop(L, 1);
    }
  }
  lua_pop(L, 1);
  return line + ")";
}

static void transcript_write(lua_State* L, transcript_Log* log) {
  if (!log->out || !lua_istable(L, -1)) return;
  std::fprintf(log->out, "> %s\n", transcript_entry(L).c_str());
  log->total++;
}

// __newindex of the watched log: stores the entry and writes it at once.
static int transcript_onappend(lua_State* L) {
  transcript_Log* log = static_cast<transcript_Log*>(lua_touserdata(L, lua_upvalueindex(1)));
  lua_settop(L, 3);
  lua_pushvalue(L, 2);
  lua_pushvalue(L, 3);
  lua_rawset(L, 1);
  if (lua_topointer(L, 1) == log->table && lua_tointeger(L, 2) == log->shown + 1) {
    log->shown++;
    transcript_write(L, log);
  }
  return 0;
}

static void transcript_watch(lua_State* L, transcript_Log* log) {
  log->table = lua_topointer(L, -1);
  log->shown = 0;
  lua_newtable(L);
  lua_pushlightuserdata(L, log);
  lua_pushcclosure(L, transcript_onappend, 1);
  lua_setfield(L, -2, "__newindex");
  lua_setmetatable(L, -2);
}

void transcript_flush(lua_State* L, transcript_Log* log) {
  lua_rawgeti(L, LUA_REGISTRYINDEX, log->host_ref);
  if (lua_istable(L, -1)) {
    lua_getfield(L, -1, "log");
    if (lua_istable(L, -1)) {
      if (lua_topointer(L, -1) != log->table) transcript_watch(L, log);
      for (int count = static_cast<int>(lua_objlen(L, -1)); log->shown < count; log->shown++) {
        lua_rawgeti(L, -1, log->shown + 1);
        transcript_write(L, log);
        lua_pop(L, 1);
      }
    }
    lua_pop(L, 1);
  }
  lua_pop(L, 1);
}
