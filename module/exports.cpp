/* exports.cpp: the plugin interface: texts, SDK version, registration and help. */
#include "exports.h"

#include <cstring>

#include "help_launcher.h"
#include "module_state.h"
#include "payload_blob.h"
#include "payload_loader.h"
#include "text_protocol.h"
#include "texts.h"

static const int SDK_VERSION = 2;

static int give_constant(const char* text, char* buffer, int* size) {
  return proto_givetext(text, static_cast<int>(std::strlen(text)), buffer, size);
}

RIVIDI_API irPlg_GetPluginName(char* buffer, int* size) {
  return give_constant(text_plugin_name, buffer, size);
}

RIVIDI_API irPlg_GetPluginVersion(char* buffer, int* size) {
  return give_constant(text_plugin_version, buffer, size);
}

RIVIDI_API irPlg_GetAuthorInfo(char* buffer, int* size) {
  return give_constant(text_author, buffer, size);
}

RIVIDI_API irPlg_GetLuaVersion(char* buffer, int* size) {
  return give_constant(text_lua_version, buffer, size);
}

RIVIDI_API irPlg_GetPluginActionXML(char* buffer, int* size) {
  const char* document = mod_state.document ? mod_state.document : "";
  return proto_givetext(document, mod_state.document_length, buffer, size);
}

RIVIDI_API irPlg_GetSDKVersion() {
  return SDK_VERSION;
}

RIVIDI_API irPlg_Action_RegisterActions(lua_State* L) {
  if (L) load_payload(L, payload_record, static_cast<size_t>(payload_record_end - payload_record), text_chunk_name);
  return 1;
}

RIVIDI_API irPlg_ShowHelpForAction(void*, char* folder, void* owner) {
  return help_show(folder, owner);
}

RIVIDI_API irPlg_ShowHelpForPlugin(char* folder, void* owner) {
  return help_show(folder, owner);
}
