/* entry_posix.cpp: start-up when the shared object is loaded, tear-down when it is unloaded. */
#include "module_state.h"

__attribute__((constructor)) static void entry_load() {
  mod_attach();
}

__attribute__((destructor)) static void entry_unload() {
  mod_detach();
}
