/* platform.h: the operating-system calls the module makes, behind one table that tests can replace. */
#ifndef RIVIDI_PLATFORM_H
#define RIVIDI_PLATFORM_H

#include <cstddef>
#include <cstdint>

/* What a file search found: its attributes and size. */
struct plat_FindResult {
  uint32_t attributes;
  uint64_t size;
};

enum : uint32_t {
  PLAT_ATTR_DIRECTORY = 0x10,
  PLAT_NO_ATTRIBUTES = 0xFFFFFFFFu
};

struct plat_Calls {
  /* private heaps: growable, no maximum; serialized = false for a single-threaded heap */
  void* (*heap_create)(bool serialized, size_t initial_size);
  void* (*heap_alloc)(void* heap, size_t size, bool zero);
  void* (*heap_realloc)(void* heap, void* block, size_t size);
  void (*heap_free)(void* heap, void* block);
  void (*heap_destroy)(void* heap);
  /* file and drive queries of the help probe */
  unsigned (*drive_type)(const char* root);
  bool (*find_first)(const char* path, plat_FindResult* found); /* searches and closes the search */
  uint32_t (*file_attributes)(const char* path);                 /* PLAT_NO_ATTRIBUTES when none */
  /* the shell's "open" verb */
  void (*shell_open)(void* owner, const char* path);
};

/* The calls in use; starts as the real ones of this platform. */
extern plat_Calls plat_calls;
extern const plat_Calls plat_native_calls;

#endif
