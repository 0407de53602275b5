// help_launcher_wine.cpp: both help exports of Rividi.lmd through the real ShellExecuteA, under Wine.
// Usage: help_launcher_wine --own-prefix MODULE   runs the checks; it rewrites the prefix's "open"
//                                                 handlers for .chm files and folders, so only in a
//                                                 prefix of its own (help-prefix.sh makes one)
//        help_launcher_wine --opened LOG PATH     the handler it registers: appends PATH to LOG
#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "wine_check.h"

using HelpForAction = int(__cdecl*)(void*, char*, void*);
using HelpForPlugin = int(__cdecl*)(char*, void*);

static int help_opened(const char* log, const char* path) {
  std::ofstream(log, std::ios::app) << path << "\n";
  return 0;
}

static bool help_setdefault(const std::string& key, const std::string& value) {
  HKEY handle;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != 0)
    return false;
  LONG r = RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
  return r == 0;
}

// "open" on a .chm file or on a folder runs this program, which only writes down what it was given:
// no help viewer, no file browser, no window.
static void help_registerhandler(const std::string& log) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "\"" + std::string(self) + "\" --opened \"" + log + "\" \"%1\"";
  CHECK(help_setdefault(".chm", "RividiTest.HelpFile"), "cannot associate .chm");
  CHECK(help_setdefault("RividiTest.HelpFile\\shell\\open\\command", command), "cannot set the .chm handler");
  CHECK(help_setdefault("Folder\\shell\\open\\command", command), "cannot set the folder handler");
}

static std::vector<std::string> help_readlog(const std::string& log) {
  std::vector<std::string> lines;
  std::ifstream in(log);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Waits until the handler has written `count` lines (it runs on its own, after ShellExecuteA returned).
static std::vector<std::string> help_waitlog(const std::string& log, size_t count) {
  std::vector<std::string> lines;
  for (int waited = 0; waited < 10000; waited += 50) {
    lines = help_readlog(log);
    if (lines.size() >= count) break;
    Sleep(50);
  }
  return lines;
}

static int help_countprocesses(const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (lstrcmpiA(entry.szExeFile, name) == 0) count++;
  CloseHandle(snapshot);
  return count;
}

struct help_Folder {
  const char* name;
  int expected;  // what both exports return for it
  void (*make)(const std::string& folder);
};

static void help_makefile(const std::string& path, const char* content) {
  std::ofstream(path, std::ios::binary) << content;
}

static const help_Folder folders[] = {
    {"with-help", 1, [](const std::string& f) { help_makefile(f + "\\Rividi.chm", "not a real help file"); }},
    {"without-help", 0, [](const std::string&) {}},
    {"help-is-a-folder", 1, [](const std::string& f) { CreateDirectoryA((f + "\\Rividi.chm").c_str(), nullptr); }},
    {"empty-help", 1, [](const std::string& f) { help_makefile(f + "\\Rividi.chm", ""); }},
};

static void help_removetree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = dir + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) help_removetree(path);
      else DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(dir.c_str());
}

// Calls one export on one folder; when it reports a launch, the handler must receive the help path.
static void help_check(const char* which, int result, const help_Folder& folder, const std::string& path,
                       const std::string& log, size_t* opened) {
  CHECK(result == folder.expected, "%s(%s) returned %d", which, folder.name, result);
  if (result != 1) return;
  std::vector<std::string> lines = help_waitlog(log, *opened + 1);
  CHECK(lines.size() == *opened + 1, "%s(%s): the shell did not open anything", which, folder.name);
  if (lines.size() > *opened)
    CHECK(lstrcmpiA(lines[*opened].c_str(), (path + "\\Rividi.chm").c_str()) == 0, "%s(%s): the shell opened %s",
          which, folder.name, lines[*opened].c_str());
  *opened = lines.size();
}

static void help_run(HMODULE module, const std::string& base, const std::string& log) {
  auto for_action = host_proc<HelpForAction>(module, "irPlg_ShowHelpForAction");
  auto for_plugin = host_proc<HelpForPlugin>(module, "irPlg_ShowHelpForPlugin");
  CHECK(for_action && for_plugin, "the help exports are missing");
  if (!for_action || !for_plugin) return;
  size_t opened = 0, expected_opened = 0;
  for (const help_Folder& folder : folders) {
    std::string path = base + "\\" + folder.name;
    CreateDirectoryA(path.c_str(), nullptr);
    folder.make(path);
    std::vector<char> text(path.begin(), path.end());
    text.push_back('\0');
    void* any_action = reinterpret_cast<void*>(static_cast<uintptr_t>(0x1503 + expected_opened));
    help_check("irPlg_ShowHelpForAction", for_action(any_action, text.data(), nullptr), folder, path, log, &opened);
    help_check("irPlg_ShowHelpForPlugin", for_plugin(text.data(), nullptr), folder, path, log, &opened);
    expected_opened += 2 * static_cast<size_t>(folder.expected);
  }
  Sleep(500);
  CHECK(help_readlog(log).size() == expected_opened, "the shell opened %u paths, expected %u",
        static_cast<unsigned>(help_readlog(log).size()), static_cast<unsigned>(expected_opened));
}

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--opened") == 0) return help_opened(argv[2], argv[3]);
  if (argc != 3 || std::strcmp(argv[1], "--own-prefix") != 0) {
    std::fprintf(stderr, "usage: help_launcher_wine --own-prefix MODULE (in a Wine prefix of its own)\n");
    return 2;
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string base = std::string(temp) + "rividi-help-" + std::to_string(GetCurrentProcessId());
  std::string log = base + "\\opened.log";
  CreateDirectoryA(base.c_str(), nullptr);
  help_registerhandler(log);
  int explorers = help_countprocesses("explorer.exe");
  HMODULE module = LoadLibraryA(argv[2]);
  CHECK(module != nullptr, "LoadLibrary(%s) failed: %lu", argv[2], GetLastError());
  if (module) {
    help_run(module, base, log);
    FreeLibrary(module);
  }
  CHECK(help_countprocesses("hh.exe") == 0 && help_countprocesses("winhlp32.exe") == 0, "a help viewer runs");
  CHECK(help_countprocesses("explorer.exe") <= explorers, "a file browser runs");
  help_removetree(base);
  std::printf("help launcher: %s\n", failures ? "FAILED" : "ok");
  return failures ? 1 : 0;
}
