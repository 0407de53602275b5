/* module_state.cpp: start-up and tear-down of the module's heaps and the texts they hold. */
#include "module_state.h"

#include <cstring>

#include "payload_blob.h"
#include "platform/platform.h"

static const size_t HEAP_INITIAL_SIZE = 4096;
static const size_t WORK_AREA_INITIAL_SIZE = 16;

mod_State mod_state;

/* The document is stored as text directly in front of the payload record; a NUL ends it early. */
static void mod_makedocument() {
  size_t stored = static_cast<size_t>(payload_record - document_text);
  const void* nul = std::memchr(document_text, 0, stored);
  size_t n = nul ? static_cast<size_t>(static_cast<const unsigned char*>(nul) - document_text) : stored;
  char* copy = static_cast<char*>(plat_calls.heap_alloc(mod_state.text_heap, n + 1, false));
  if (!copy) return;
  std::memcpy(copy, document_text, n);
  copy[n] = '\0';
  mod_state.document = copy;
  mod_state.document_length = static_cast<int>(n);
}

void mod_attach() {
  mod_state = mod_State{};
  mod_state.general_heap = plat_calls.heap_create(true, HEAP_INITIAL_SIZE);
  mod_state.text_heap = plat_calls.heap_create(false, HEAP_INITIAL_SIZE);
  if (mod_state.text_heap) {
    mod_state.work_area = static_cast<char*>(
        plat_calls.heap_alloc(mod_state.text_heap, WORK_AREA_INITIAL_SIZE, true));
    if (mod_state.work_area) mod_state.work_size = WORK_AREA_INITIAL_SIZE;
  }
  mod_state.block_heap = plat_calls.heap_create(true, HEAP_INITIAL_SIZE);
  if (mod_state.text_heap) mod_makedocument();
}

/* All three heaps go, with the document and the work area in them: a host that unloads
   the module and loads it again would otherwise keep the old texts for the rest of its run. */
void mod_detach() {
  void* heaps[] = {mod_state.general_heap, mod_state.text_heap, mod_state.block_heap};
  for (void* heap : heaps)
    if (heap) plat_calls.heap_destroy(heap);
  mod_state = mod_State{};
}

char* mod_newtext(const char* text) {
  size_t n = std::strlen(text);
  char* copy = static_cast<char*>(plat_calls.heap_alloc(mod_state.text_heap, n + 1, false));
  if (copy) std::memcpy(copy, text, n + 1);
  return copy;
}

void mod_freetext(char* text) {
  if (text) plat_calls.heap_free(mod_state.text_heap, text);
}

static bool mod_growworkarea(size_t needed) {
  if (needed <= mod_state.work_size) return true;
  void* grown = mod_state.work_area
                    ? plat_calls.heap_realloc(mod_state.text_heap, mod_state.work_area, needed)
                    : plat_calls.heap_alloc(mod_state.text_heap, needed, false);
  if (!grown) return false;
  mod_state.work_area = static_cast<char*>(grown);
  mod_state.work_size = needed;
  return true;
}

char* mod_jointext(const char* a, const char* b) {
  size_t na = std::strlen(a), nb = std::strlen(b);
  if (!mod_growworkarea(na + nb + 1)) return nullptr;
  std::memcpy(mod_state.work_area, a, na);
  std::memcpy(mod_state.work_area + na, b, nb + 1);
  return mod_newtext(mod_state.work_area);
}
