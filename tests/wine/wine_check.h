// wine_check.h: what the Windows test programs share: a failure count, CHECK, and typed exports.
#ifndef RIVIDI_WINE_CHECK_H
#define RIVIDI_WINE_CHECK_H

#include <windows.h>

#include <cstdio>

static int failures = 0;

#define CHECK(cond, ...)                               \
  do {                                                 \
    if (!(cond)) {                                     \
      std::printf("FAIL %s:%d: ", __FILE__, __LINE__); \
      std::printf(__VA_ARGS__);                        \
      std::printf("\n");                               \
      failures++;                                      \
    }                                                  \
  } while (0)

template <typename Fn>
static Fn host_proc(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

#endif
