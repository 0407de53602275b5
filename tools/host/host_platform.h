// host_platform.h: the few operating-system calls of the runner: loading a module, finding itself.
#ifndef RIVIDI_HOST_PLATFORM_H
#define RIVIDI_HOST_PLATFORM_H

#include <string>

// The module's file name on this platform, and the separator the runner writes into paths.
extern const char* const hostplat_module_name;
extern const char hostplat_separator;

// Loads a library; on failure returns nullptr and sets *error to the system's reason.
void* hostplat_open(const std::string& path, std::string* error);
void* hostplat_symbol(void* library, const char* name);
void hostplat_close(void* library);

// The folder that holds the running executable, without a trailing separator ("" if unknown).
std::string hostplat_executable_dir();

// The path without "." and ".." steps (the path itself when that cannot be worked out).
std::string hostplat_fullpath(const std::string& path);

// Puts the standard streams in binary mode, so the output is byte for byte the same everywhere.
void hostplat_binary_stdio();

#endif
