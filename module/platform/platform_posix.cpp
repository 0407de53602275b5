/* platform_posix.cpp: stand-ins for the platform calls in the native build. */
#include "platform.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>
#include <sys/stat.h>

/* A heap keeps its blocks so that destroying it frees them all, as HeapDestroy does. */
struct posix_Heap {
  std::unordered_set<void*> blocks;
};

static void* posix_heap_create(bool, size_t) {
  return new posix_Heap;
}

static void* posix_heap_alloc(void* heap, size_t size, bool zero) {
  void* block = zero ? std::calloc(1, size ? size : 1) : std::malloc(size ? size : 1);
  if (block) static_cast<posix_Heap*>(heap)->blocks.insert(block);
  return block;
}

static void* posix_heap_realloc(void* heap, void* block, size_t size) {
  void* grown = std::realloc(block, size ? size : 1);
  if (grown) {
    auto& blocks = static_cast<posix_Heap*>(heap)->blocks;
    blocks.erase(block);
    blocks.insert(grown);
  }
  return grown;
}

static void posix_heap_free(void* heap, void* block) {
  if (!block) return;
  static_cast<posix_Heap*>(heap)->blocks.erase(block);
  std::free(block);
}

static void posix_heap_destroy(void* heap) {
  auto* h = static_cast<posix_Heap*>(heap);
  for (void* block : h->blocks) std::free(block);
  delete h;
}

/* Windows paths map onto POSIX ones with '/' for '\'; a drive letter names the root. */
static std::string posix_path(const char* path) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  if (p.size() >= 2 && p[1] == ':') p = p.substr(2);
  return p.empty() ? "/" : p;
}

static unsigned posix_drive_type(const char* root) {
  return (root[0] == 'C' || root[0] == 'c' || root[0] == 'Z' || root[0] == 'z') ? 3u : 1u;
}

static bool posix_find_first(const char* path, plat_FindResult* found) {
  struct stat st;
  if (stat(posix_path(path).c_str(), &st) != 0) return false;
  found->attributes = S_ISDIR(st.st_mode) ? PLAT_ATTR_DIRECTORY : 0x80u;
  found->size = S_ISDIR(st.st_mode) ? 0 : static_cast<uint64_t>(st.st_size);
  return true;
}

static uint32_t posix_file_attributes(const char* path) {
  plat_FindResult found;
  return posix_find_first(path, &found) ? found.attributes : PLAT_NO_ATTRIBUTES;
}

static void posix_shell_open(void*, const char*) {
  /* no shell to hand the file to */
}

extern constexpr plat_Calls plat_native_calls = {
  posix_heap_create, posix_heap_alloc, posix_heap_realloc, posix_heap_free, posix_heap_destroy,
  posix_drive_type, posix_find_first, posix_file_attributes, posix_shell_open,
};

/* Constant-initialised, so it is ready before any start-up code runs. */
plat_Calls plat_calls = plat_native_calls;
