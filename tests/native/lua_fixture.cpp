// lua_fixture.cpp: fixture payload records and protected calls for the loader tests.
#include "lua_fixture.h"

#include <cstdint>
#include <stdexcept>

#include "jc_encode.h"

static int fixture_writer(lua_State*, const void* p, size_t size, void* out) {
  auto* bytes = static_cast<std::vector<unsigned char>*>(out);
  bytes->insert(bytes->end(), static_cast<const unsigned char*>(p), static_cast<const unsigned char*>(p) + size);
  return 0;
}

static void fixture_putu32(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 0; i < 4; i++) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::vector<unsigned char> fixture_record(const std::string& source) {
  lua_State* L = luaL_newstate();
  if (luaL_loadbuffer(L, source.data(), source.size(), "=fixture") != 0)
    throw std::runtime_error(lua_tostring(L, -1));
  std::vector<unsigned char> chunk;
  lua_dump(L, fixture_writer, &chunk);
  lua_close(L);
  std::vector<unsigned char> stream = jc_encode(chunk.data(), chunk.size());
  std::vector<unsigned char> record;
  fixture_putu32(record, static_cast<uint32_t>(stream.size()));
  fixture_putu32(record, static_cast<uint32_t>(chunk.size()));
  record.insert(record.end(), stream.begin(), stream.end());
  return record;
}

static int protected_trampoline(lua_State* L) {
  auto fn = reinterpret_cast<void (*)(lua_State*)>(lua_touserdata(L, 1));
  lua_pop(L, 1);
  fn(L);
  return 0;
}

std::string protected_call(lua_State* L, void (*fn)(lua_State*)) {
  if (lua_cpcall(L, protected_trampoline, reinterpret_cast<void*>(fn)) == 0) return "";
  std::string message = lua_tostring(L, -1) ? lua_tostring(L, -1) : "(no message)";
  lua_pop(L, 1);
  return message;
}

std::string global_text(lua_State* L, const char* name) {
  lua_getglobal(L, name);
  std::string text = lua_isnil(L, -1) ? "nil" : (lua_tostring(L, -1) ? lua_tostring(L, -1) : luaL_typename(L, -1));
  lua_pop(L, 1);
  return text;
}
