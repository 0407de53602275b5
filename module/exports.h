/* exports.h: the nine functions the host calls, C calling convention, undecorated names. */
#ifndef RIVIDI_EXPORTS_H
#define RIVIDI_EXPORTS_H

struct lua_State;

#if defined(_WIN32)
#define RIVIDI_API extern "C" __declspec(dllexport) int __cdecl
#else
#define RIVIDI_API extern "C" __attribute__((visibility("default"))) int
#endif

RIVIDI_API irPlg_GetPluginName(char* buffer, int* size);
RIVIDI_API irPlg_GetPluginVersion(char* buffer, int* size);
RIVIDI_API irPlg_GetAuthorInfo(char* buffer, int* size);
RIVIDI_API irPlg_GetLuaVersion(char* buffer, int* size);
RIVIDI_API irPlg_GetPluginActionXML(char* buffer, int* size);
RIVIDI_API irPlg_GetSDKVersion();
RIVIDI_API irPlg_Action_RegisterActions(lua_State* L);
RIVIDI_API irPlg_ShowHelpForAction(void* unused, char* folder, void* owner);
RIVIDI_API irPlg_ShowHelpForPlugin(char* folder, void* owner);

#endif
