// lua_fixture.h: a fresh Lua state per test, and fixture payload records made from Lua source.
#ifndef RIVIDI_LUA_FIXTURE_H
#define RIVIDI_LUA_FIXTURE_H

#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

// Compiles source into a chunk for this machine's Lua and wraps it as a payload record.
std::vector<unsigned char> fixture_record(const std::string& source);

// Runs fn(L) inside a protected call; returns "" or the error message.
std::string protected_call(lua_State* L, void (*fn)(lua_State*));

// A global of L as a string ("nil" when absent).
std::string global_text(lua_State* L, const char* name);

#endif
