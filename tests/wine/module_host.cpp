// module_host.cpp: loads Rividi.lmd as the host does and checks what it answers, under Wine.
// Usage: module_host MODULE [--damaged] [--before FILE.lua]... [--after FILE.lua]...
//   --damaged  first writes a copy of MODULE whose payload checksum is broken, and loads that
//   --before   runs a Lua file in the state before registration, --after one after it
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "wine_check.h"

using TextExport = int(__cdecl*)(char*, int*);


static std::string host_query(HMODULE module, const char* name) {
  auto fn = host_proc<TextExport>(module, name);
  CHECK(fn != nullptr, "%s not exported", name);
  if (!fn) return "";
  int size = 0;
  CHECK(fn(nullptr, &size) == -1, "%s: size 0 not refused", name);
  std::vector<char> buffer(static_cast<size_t>(size) + 2, 'x');
  int needed = size;
  int n = fn(buffer.data(), &size);
  CHECK(n == needed && size == needed, "%s: returned %d for size %d", name, n, needed);
  CHECK(buffer[static_cast<size_t>(needed)] == '\0' && buffer[static_cast<size_t>(needed) + 1] == 'x',
        "%s: wrote other than n + 1 bytes", name);
  return std::string(buffer.data(), static_cast<size_t>(needed > 0 ? needed : 0));
}

static void host_checktexts(HMODULE module) {
  CHECK(host_query(module, "irPlg_GetPluginName") == "Rividi", "plugin name");
  CHECK(host_query(module, "irPlg_GetPluginVersion") == "2,0,0,0", "plugin version");
  CHECK(host_query(module, "irPlg_GetLuaVersion") == "Lua 5.1", "Lua version");
  std::string author = host_query(module, "irPlg_GetAuthorInfo");
  CHECK(author.rfind("Rividi Lattice model by Zentrix Programming.\r\n", 0) == 0, "author text");
  std::string document = host_query(module, "irPlg_GetPluginActionXML");
  CHECK(document.size() == 12625, "document has %u bytes", static_cast<unsigned>(document.size()));
  CHECK(document.rfind("<ActionTemplates>\r\n", 0) == 0, "document start");
  CHECK(document.size() > 18 && document.compare(document.size() - 18, 18, "</ActionTemplates>") == 0,
        "document end");
  auto sdk = host_proc<int(__cdecl*)()>(module, "irPlg_GetSDKVersion");
  CHECK(sdk && sdk() == 2, "SDK version");
}

static std::string host_versionvalue(const std::vector<char>& info, const char* key) {
  std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return "";
  return std::string(value);
}

static void host_checkresources(const char* path, HMODULE module) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  CHECK(size > 0, "no version resource");
  if (size > 0) {
    std::vector<char> info(size);
    GetFileVersionInfoA(path, 0, size, info.data());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length);
    CHECK(fixed && fixed->dwFileVersionMS == 0x00020000 && fixed->dwFileVersionLS == 0, "FileVersion");
    CHECK(fixed && fixed->dwProductVersionMS == 0x00020000 && fixed->dwProductVersionLS == 0, "ProductVersion");
    CHECK(host_versionvalue(info, "FileVersion") == "2,0,0,0", "FileVersion text");
    CHECK(host_versionvalue(info, "ProductVersion") == "2,0,0,0", "ProductVersion text");
    for (const char* key : {"CompanyName", "LegalCopyright", "LegalTrademarks", "Email", "Website"})
      CHECK(!host_versionvalue(info, key).empty(), "version entry %s", key);
  }
  HRSRC manifest = FindResourceExA(module, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1), 1033);
  CHECK(manifest != nullptr, "no manifest (type 24, id 1, language 1033)");
  if (manifest) {
    const char* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
    std::string xml(text, SizeofResource(module, manifest));
    CHECK(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"") != std::string::npos &&
              xml.find("processorArchitecture=\"X86\"") != std::string::npos,
          "manifest dependency");
  }
}

// Writes a copy of the module whose payload checksum no longer matches its chunk.
static std::string host_damagedcopy(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string end_tag = "</ActionTemplates>";
  auto at = std::search(bytes.begin(), bytes.end(), end_tag.begin(), end_tag.end());
  CHECK(at != bytes.end(), "document not found in the module file");
  if (at == bytes.end()) return path;
  size_t record = static_cast<size_t>(at - bytes.begin()) + end_tag.size();
  CHECK(bytes[record + 8] == 'J' && bytes[record + 9] == 'C', "payload record does not follow the document");
  bytes[record + 8 + 6] ^= 0x5A;
  std::string copy = "Rividi-damaged.lmd";
  std::ofstream(copy, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return copy;
}

static int host_register(lua_State* L) {
  auto reg = reinterpret_cast<int(__cdecl*)(lua_State*)>(lua_touserdata(L, 1));
  lua_pushinteger(L, reg(L));
  lua_setglobal(L, "RegisterResult");
  return 0;
}

static void host_runscripts(lua_State* L, const std::vector<const char*>& scripts) {
  for (const char* script : scripts) {
    if (luaL_dofile(L, script) != 0) {
      CHECK(false, "%s: %s", script, lua_tostring(L, -1));
      lua_pop(L, 1);
    }
  }
}

// Registers into a fresh state: the before scripts set the state up (the simulated host),
// the after scripts check what the payload made; they see PayloadDamaged and RegisterResult.
static void host_checkregistration(HMODULE module, bool damaged, const std::vector<const char*>& before,
                                   const std::vector<const char*>& after) {
  auto reg = host_proc<void*>(module, "irPlg_Action_RegisterActions");
  CHECK(reg != nullptr, "irPlg_Action_RegisterActions not exported");
  if (!reg) return;
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  lua_pushboolean(L, damaged);
  lua_setglobal(L, "PayloadDamaged");
  host_runscripts(L, before);
  if (lua_cpcall(L, host_register, reg) != 0) {
    CHECK(false, "registration raised: %s", lua_tostring(L, -1));
    lua_pop(L, 1);
  }
  lua_getglobal(L, "RegisterResult");
  CHECK(lua_tointeger(L, -1) == 1, "registration returned %d", static_cast<int>(lua_tointeger(L, -1)));
  lua_pop(L, 1);
  host_runscripts(L, after);
  lua_close(L);
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: module_host MODULE [--damaged] [--before FILE.lua]... [--after FILE.lua]...\n");
    return 2;
  }
  bool damaged = false;
  std::vector<const char*> before, after;
  for (int i = 2; i < argc; i++) {
    if (std::strcmp(argv[i], "--damaged") == 0) damaged = true;
    else if (std::strcmp(argv[i], "--before") == 0 && i + 1 < argc) before.push_back(argv[++i]);
    else if (std::strcmp(argv[i], "--after") == 0 && i + 1 < argc) after.push_back(argv[++i]);
  }
  std::string path = damaged ? host_damagedcopy(argv[1]) : argv[1];
  HMODULE module = LoadLibraryA(path.c_str());
  CHECK(module != nullptr, "LoadLibrary(%s) failed: %lu", path.c_str(), GetLastError());
  if (!module) return 1;
  host_checktexts(module);
  host_checkresources(path.c_str(), module);
  host_checkregistration(module, damaged, before, after);
  FreeLibrary(module);
  std::printf("%s: %s\n", path.c_str(), failures ? "FAILED" : "ok");
  return failures ? 1 : 0;
}
