/* entry_win32.cpp: the DLL entry point: start-up on process attach, tear-down on detach. */
#include <windows.h>

#include "module_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) mod_attach();
  else if (reason == DLL_PROCESS_DETACH) mod_detach();
  return TRUE;
}
