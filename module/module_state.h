/* module_state.h: the module's heaps, text work area and document string, made at start-up. */
#ifndef RIVIDI_MODULE_STATE_H
#define RIVIDI_MODULE_STATE_H

#include <cstddef>

struct mod_State {
  void* general_heap;
  void* text_heap;  /* unserialised: the document string, short-lived texts, the work area */
  void* block_heap; /* zero-filled blocks: the loader's decode buffer */
  char* work_area;
  size_t work_size;
  char* document;
  int document_length;
};

extern mod_State mod_state;

void mod_attach();
void mod_detach();

char* mod_newtext(const char* text);
void mod_freetext(char* text);
/* Makes a new text of a followed by b, assembled in the work area. */
char* mod_jointext(const char* a, const char* b);

#endif
