// host_module.h: the plugin module as the host sees it: nine exports and the texts they hand out.
#ifndef RIVIDI_HOST_MODULE_H
#define RIVIDI_HOST_MODULE_H

#include <string>

struct lua_State;

#if defined(_WIN32)
#define HOSTMOD_CALL __cdecl
#else
#define HOSTMOD_CALL
#endif

using hostmod_TextExport = int(HOSTMOD_CALL*)(char*, int*);

struct hostmod_Texts {
  std::string name, version, author, lua_version, document;
  int sdk_version = 0;
};

struct hostmod_Module {
  std::string path;
  void* library = nullptr;
  hostmod_TextExport name, version, author, lua_version, document;
  int(HOSTMOD_CALL* sdk_version)();
  int(HOSTMOD_CALL* register_actions)(lua_State*);
  int(HOSTMOD_CALL* help_for_action)(void*, char*, void*);
  int(HOSTMOD_CALL* help_for_plugin)(char*, void*);
};

// Loads the module and finds all nine exports; raises host_Error for a missing file or export.
hostmod_Module hostmod_load(const std::string& path);
void hostmod_unload(hostmod_Module* module);

// Asks every text export through the buffer-size protocol; raises host_Error if one breaks it.
hostmod_Texts hostmod_texts(const hostmod_Module& module);

#endif
