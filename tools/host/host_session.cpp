// host_session.cpp: the Lua side of a run: state, simulated host, registration, scripts, print.
#include "host_session.h"

#include <cstring>

#include "host_error.h"

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

static std::string hostses_poperror(lua_State* L) {
  const char* text = lua_tostring(L, -1);
  std::string message = text ? text : std::string("(error object is a ") + luaL_typename(L, -1) + " value)";
  lua_pop(L, 1);
  return message;
}

// print, writing the host actions made so far before its own line so that the two stay in order.
static int hostses_print(lua_State* L) {
  hostses_Session* session = static_cast<hostses_Session*>(lua_touserdata(L, lua_upvalueindex(1)));
  hostses_flush(session);
  int n = lua_gettop(L);
  lua_getglobal(L, "tostring");
  for (int i = 1; i <= n; i++) {
    lua_pushvalue(L, -1);
    lua_pushvalue(L, i);
    lua_call(L, 1, 1);
    const char* text = lua_tostring(L, -1);
    if (!text) return luaL_error(L, LUA_QL("tostring") " must return a string to " LUA_QL("print"));
    if (i > 1) std::fputc('\t', session->out);
    std::fputs(text, session->out);
    lua_pop(L, 1);
  }
  std::fputc('\n', session->out);
  return 0;
}

static void hostses_dofile(lua_State* L, const std::string& file, int results, const char* what) {
  if (luaL_loadfile(L, file.c_str()) != 0) throw host_Error(std::string("cannot load ") + what + ": " + hostses_poperror(L));
  if (lua_pcall(L, 0, results, 0) != 0) throw host_Error(std::string(what) + " failed: " + hostses_poperror(L));
}

static void hostses_pushproject(lua_State* L, const std::string& project) {
  if (project.empty()) {
    lua_pushnil(L);
    return;
  }
  hostses_dofile(L, project, 1, "the project file");
  if (!lua_istable(L, -1))
    throw host_Error("the project file " + project + " returns " + luaL_typename(L, -1) + ", not a project table");
}

void hostses_start(hostses_Session* session, const std::string& simhost_dir, const std::string& project) {
  lua_State* L = session->L = luaL_newstate();
  if (!L) throw host_Error("cannot make a Lua state");
  luaL_openlibs(L);
  hostses_dofile(L, simhost_dir + "/init.lua", 1, "the simulated host");
  lua_getfield(L, -1, "install");
  if (!lua_isfunction(L, -1)) throw host_Error(simhost_dir + "/init.lua is not the simulated host (no install)");
  hostses_pushproject(L, project);
  lua_pushvalue(L, LUA_GLOBALSINDEX);
  if (lua_pcall(L, 2, 1, 0) != 0) throw host_Error("the simulated host refused the project: " + hostses_poperror(L));
  lua_pushvalue(L, -1);
  lua_setglobal(L, "SimHost");
  session->log.host_ref = luaL_ref(L, LUA_REGISTRYINDEX);
  lua_settop(L, 0);
  lua_pushlightuserdata(L, session);
  lua_pushcclosure(L, hostses_print, 1);
  lua_setglobal(L, "print");
}

static int hostses_callregister(lua_State* L) {
  auto module = static_cast<const hostmod_Module*>(lua_touserdata(L, 1));
  lua_pushinteger(L, module->register_actions(L));
  return 1;
}

void hostses_register(hostses_Session* session, const hostmod_Module& module) {
  lua_State* L = session->L;
  lua_pushcfunction(L, hostses_callregister);
  lua_pushlightuserdata(L, const_cast<hostmod_Module*>(&module));
  if (lua_pcall(L, 1, 1, 0) != 0) throw host_Error("registering the module raised: " + hostses_poperror(L));
  lua_Integer result = lua_tointeger(L, -1);
  lua_pop(L, 1);
  transcript_flush(L, &session->log);
  session->log.out = session->out;
  lua_getglobal(L, "Rividi");
  bool made = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (!made)
    throw host_Error(module.path + " registered (returned " + std::to_string(result) +
                     ") but its payload did not run: there is no Rividi");
}

// The message handler of a script: names the script's line that was running when the error came.
static int hostses_onerror(lua_State* L) {
  const char* script = lua_tostring(L, lua_upvalueindex(1));
  if (!lua_isstring(L, 1) && !luaL_callmeta(L, 1, "__tostring"))
    lua_pushfstring(L, "(error object is a %s value)", luaL_typename(L, 1));
  if (lua_gettop(L) > 1) lua_replace(L, 1);
  const char* message = lua_tostring(L, 1);
  std::string chunk = std::string("@") + script;
  lua_Debug ar;
  for (int level = 1; lua_getstack(L, level, &ar); level++) {
    lua_getinfo(L, "Sl", &ar);
    if (ar.currentline <= 0 || chunk != ar.source) continue;
    // Lua names the chunk by a shortened source in its messages; name it by the script as given.
    const char* own = lua_pushfstring(L, "%s:%d:", ar.short_src, ar.currentline);
    size_t n = std::strlen(own);
    if (std::strncmp(message, own, n) == 0) message += n + (message[n] == ' ');
    lua_pushfstring(L, "%s:%d: %s", script, ar.currentline, message);
    return 1;
  }
  lua_settop(L, 1);
  return 1;
}

void hostses_run(hostses_Session* session, const std::string& script) {
  lua_State* L = session->L;
  hostses_flush(session);
  std::fprintf(session->out, "== %s\n", script.c_str());
  lua_pushstring(L, script.c_str());
  lua_pushcclosure(L, hostses_onerror, 1);
  if (luaL_loadfile(L, script.c_str()) != 0) {
    std::string message = hostses_poperror(L);
    lua_pop(L, 1);
    throw host_Error("cannot load script " + script + ": " + message);
  }
  int failed = lua_pcall(L, 0, 0, -2);
  if (failed) {
    std::string message = hostses_poperror(L);
    lua_pop(L, 1);
    throw host_Error(message);
  }
  lua_pop(L, 1);
  hostses_flush(session);
}

void hostses_flush(hostses_Session* session) {
  if (session->L && session->log.host_ref > 0) transcript_flush(session->L, &session->log);
}

void hostses_close(hostses_Session* session) {
  if (session->L) lua_close(session->L);
  session->L = nullptr;
}
