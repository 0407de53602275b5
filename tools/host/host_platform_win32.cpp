// host_platform_win32.cpp: the runner's platform calls on Windows: LoadLibraryA and GetModuleFileNameA.
#include "host_platform.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

const char* const hostplat_module_name = "Rividi.lmd";
const char hostplat_separator = '\\';

static std::string hostplat_lasterror() {
  DWORD code = GetLastError();
  char text[512] = "";
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ')) text[--n] = '\0';
  return (n ? std::string(text) + " " : std::string()) + "(error " + std::to_string(code) + ")";
}

void* hostplat_open(const std::string& path, std::string* error) {
  HMODULE library = LoadLibraryA(path.c_str());
  if (!library) *error = hostplat_lasterror();
  return reinterpret_cast<void*>(library);
}

void* hostplat_symbol(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void hostplat_close(void* library) {
  FreeLibrary(static_cast<HMODULE>(library));
}

std::string hostplat_executable_dir() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return "";
  std::string exe(path, n);
  size_t slash = exe.find_last_of("\\/");
  return slash == std::string::npos ? "" : exe.substr(0, slash);
}

std::string hostplat_fullpath(const std::string& path) {
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return n > 0 && n < sizeof full ? std::string(full, n) : path;
}

void hostplat_binary_stdio() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}
