// host_module.cpp: loads the module, finds its exports and reads its texts as the host does.
#include "host_module.h"

#include <cstdio>
#include <vector>

#include "host_error.h"
#include "host_platform.h"

template <typename Fn>
static void hostmod_find(const hostmod_Module& module, const char* name, Fn* fn) {
  void* symbol = hostplat_symbol(module.library, name);
  if (!symbol) throw host_Error(module.path + " has no export " + name + ": it is not a Rividi module");
  *fn = reinterpret_cast<Fn>(symbol);
}

static void hostmod_findall(hostmod_Module* m) {
  hostmod_find(*m, "irPlg_GetPluginName", &m->name);
  hostmod_find(*m, "irPlg_GetPluginVersion", &m->version);
  hostmod_find(*m, "irPlg_GetAuthorInfo", &m->author);
  hostmod_find(*m, "irPlg_GetLuaVersion", &m->lua_version);
  hostmod_find(*m, "irPlg_GetPluginActionXML", &m->document);
  hostmod_find(*m, "irPlg_GetSDKVersion", &m->sdk_version);
  hostmod_find(*m, "irPlg_Action_RegisterActions", &m->register_actions);
  hostmod_find(*m, "irPlg_ShowHelpForAction", &m->help_for_action);
  hostmod_find(*m, "irPlg_ShowHelpForPlugin", &m->help_for_plugin);
}

hostmod_Module hostmod_load(const std::string& path) {
  if (FILE* probe = std::fopen(path.c_str(), "rb")) {
    std::fclose(probe);
  } else {
    throw host_Error("no module at " + path + " (give one with --module PATH)");
  }
  hostmod_Module module;
  module.path = path;
  std::string reason;
  module.library = hostplat_open(path, &reason);
  if (!module.library) throw host_Error("cannot load the module " + path + ": " + reason);
  try {
    hostmod_findall(&module);
  } catch (...) {
    hostmod_unload(&module);
    throw;
  }
  return module;
}

void hostmod_unload(hostmod_Module* module) {
  if (module->library) hostplat_close(module->library);
  module->library = nullptr;
}

// The buffer-size protocol: a size that is too small gets -1 and the needed size; then a buffer of
// that size + 1 gets the text, its terminator and the text's length as the result.
static std::string hostmod_text(const hostmod_Module& module, hostmod_TextExport fn, const char* name) {
  char probe[1] = {'\x7f'};
  int size = 0;
  int result = fn(probe, &size);
  if (result == 0 && probe[0] == '\0') return "";
  if (result != -1 || size < 0)
    throw host_Error(module.path + ": " + name + " answered " + std::to_string(result) + " for size 0");
  int needed = size;
  std::vector<char> buffer(static_cast<size_t>(needed) + 1, '\x7f');
  result = fn(buffer.data(), &size);
  if (result != needed || size != needed || buffer[static_cast<size_t>(needed)] != '\0')
    throw host_Error(module.path + ": " + name + " broke the buffer-size protocol (asked for " +
                     std::to_string(needed) + " bytes, answered " + std::to_string(result) + ")");
  return std::string(buffer.data(), static_cast<size_t>(needed));
}

hostmod_Texts hostmod_texts(const hostmod_Module& module) {
  hostmod_Texts texts;
  texts.name = hostmod_text(module, module.name, "irPlg_GetPluginName");
  texts.version = hostmod_text(module, module.version, "irPlg_GetPluginVersion");
  texts.author = hostmod_text(module, module.author, "irPlg_GetAuthorInfo");
  texts.lua_version = hostmod_text(module, module.lua_version, "irPlg_GetLuaVersion");
  texts.document = hostmod_text(module, module.document, "irPlg_GetPluginActionXML");
  texts.sdk_version = module.sdk_version();
  return texts;
}
