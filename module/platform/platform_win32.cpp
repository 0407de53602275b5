/* platform_win32.cpp: the platform calls on Windows, straight to kernel32 and shell32. */
#include "platform.h"

#include <windows.h>
#include <shellapi.h>

static void* win_heap_create(bool serialized, size_t initial_size) {
  return HeapCreate(serialized ? 0 : HEAP_NO_SERIALIZE, initial_size, 0);
}

static void* win_heap_alloc(void* heap, size_t size, bool zero) {
  return HeapAlloc(static_cast<HANDLE>(heap), zero ? HEAP_ZERO_MEMORY : 0, size);
}

static void* win_heap_realloc(void* heap, void* block, size_t size) {
  return HeapReAlloc(static_cast<HANDLE>(heap), 0, block, size);
}

static void win_heap_free(void* heap, void* block) {
  HeapFree(static_cast<HANDLE>(heap), 0, block);
}

static void win_heap_destroy(void* heap) {
  HeapDestroy(static_cast<HANDLE>(heap));
}

static unsigned win_drive_type(const char* root) {
  return GetDriveTypeA(root);
}

static bool win_find_first(const char* path, plat_FindResult* found) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(path, &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  found->attributes = data.dwFileAttributes;
  found->size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  FindClose(search);
  return true;
}

static uint32_t win_file_attributes(const char* path) {
  return GetFileAttributesA(path);
}

static void win_shell_open(void* owner, const char* path) {
  ShellExecuteA(static_cast<HWND>(owner), "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

extern constexpr plat_Calls plat_native_calls = {
  win_heap_create, win_heap_alloc, win_heap_realloc, win_heap_free, win_heap_destroy,
  win_drive_type, win_find_first, win_file_attributes, win_shell_open,
};

/* Constant-initialised, so it is ready before any start-up code runs. */
plat_Calls plat_calls = plat_native_calls;
