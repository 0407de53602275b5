// module_so_test.cpp: Rividi.so loaded as the host loads the module: nine exports by name,
// Lua taken from this process.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

#include "lua_fixture.h"

static const char* const export_names[] = {
    "irPlg_GetPluginName",       "irPlg_GetPluginVersion",       "irPlg_GetAuthorInfo",
    "irPlg_GetLuaVersion",       "irPlg_GetPluginActionXML",     "irPlg_GetSDKVersion",
    "irPlg_Action_RegisterActions", "irPlg_ShowHelpForAction",   "irPlg_ShowHelpForPlugin",
};

class LoadedModule : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { handle = dlopen(RIVIDI_SO, RTLD_NOW | RTLD_LOCAL); }
  static void TearDownTestSuite() {
    if (handle) dlclose(handle);
  }
  template <typename Fn>
  static Fn find(const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
  }
  static void* handle;
};
void* LoadedModule::handle = nullptr;

TEST_F(LoadedModule, ExportsTheNineFunctions) {
  ASSERT_NE(handle, nullptr) << dlerror();
  for (const char* name : export_names) EXPECT_NE(dlsym(handle, name), nullptr) << name;
}

TEST_F(LoadedModule, ExportsNothingElseOfTheShell) {
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_EQ(dlsym(handle, "mod_attach"), nullptr);
  EXPECT_EQ(dlsym(handle, "jc_decode"), nullptr);
}

TEST_F(LoadedModule, AnswersTheHost) {
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_EQ(find<int (*)()>("irPlg_GetSDKVersion")(), 2);
  char name[8] = {};
  int size = 7;
  EXPECT_EQ(find<int (*)(char*, int*)>("irPlg_GetPluginName")(name, &size), 6);
  EXPECT_STREQ(name, "Rividi");
  int doc_size = 0;
  EXPECT_EQ(find<int (*)(char*, int*)>("irPlg_GetPluginActionXML")(nullptr, &doc_size), -1);
  EXPECT_EQ(doc_size, 12625);
}

static int (*register_actions)(lua_State*);

TEST_F(LoadedModule, RegistersItsPayloadIntoTheProcesssLua) {
  ASSERT_NE(handle, nullptr) << dlerror();
  register_actions = find<int (*)(lua_State*)>("irPlg_Action_RegisterActions");
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  for (const char* prelude : {RIVIDI_PRELUDE_FILES}) ASSERT_EQ(luaL_dofile(L, prelude), 0) << lua_tostring(L, -1);
  std::string message = protected_call(L, [](lua_State* S) { lua_pushinteger(S, register_actions(S)); lua_setglobal(S, "Result"); });
  EXPECT_EQ(message, "");
  EXPECT_EQ(global_text(L, "Result"), "1");
  for (const char* check : {RIVIDI_CHECK_FILES}) EXPECT_EQ(luaL_dofile(L, check), 0) << lua_tostring(L, -1);
  lua_close(L);
}
