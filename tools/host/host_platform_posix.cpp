// host_platform_posix.cpp: the runner's platform calls natively: dlopen and /proc/self/exe.
#include "host_platform.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

const char* const hostplat_module_name = "Rividi.so";
const char hostplat_separator = '/';

void* hostplat_open(const std::string& path, std::string* error) {
  // A bare file name would make dlopen search the library path instead of the current folder.
  std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) *error = dlerror();
  return library;
}

void* hostplat_symbol(void* library, const char* name) {
  return dlsym(library, name);
}

void hostplat_close(void* library) {
  dlclose(library);
}

std::string hostplat_executable_dir() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "";
  std::string exe(path, static_cast<size_t>(n));
  size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "" : exe.substr(0, slash);
}

std::string hostplat_fullpath(const std::string& path) {
  char full[PATH_MAX];
  return realpath(path.c_str(), full) ? std::string(full) : path;
}

void hostplat_binary_stdio() {}
