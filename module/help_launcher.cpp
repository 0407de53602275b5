/* help_launcher.cpp: the path probe and the launch of the help file. */
#include "help_launcher.h"

#include <cstring>

#include "module_state.h"
#include "platform/platform.h"

static const size_t PROBE_MAX_PATH = 260;
static const char HELP_FILE[] = "\\Rividi.chm";

static int64_t help_probedrive(char* copy, size_t n) {
  if (n == 2) std::strcat(copy, "\\");
  return plat_calls.drive_type(copy) > 1 ? PROBE_DIRECTORY : PROBE_NOTHING;
}

int64_t help_probe(const char* path) {
  if (!path || !*path) return PROBE_NOTHING;
  char copy[PROBE_MAX_PATH + 2];
  size_t n = strnlen(path, PROBE_MAX_PATH);
  std::memcpy(copy, path, n);
  copy[n] = '\0';
  if ((n == 2 || n == 3) && copy[1] == ':') return help_probedrive(copy, n);
  while (n > 1 && copy[n - 1] == '\\') copy[--n] = '\0'; /* never past the first character */
  plat_FindResult found;
  if (!plat_calls.find_first(copy, &found)) {
    bool network = copy[0] == '\\' && copy[1] == '\\';
    if (network) {
      uint32_t attributes = plat_calls.file_attributes(copy);
      if (attributes != PLAT_NO_ATTRIBUTES && (attributes & PLAT_ATTR_DIRECTORY)) return PROBE_DIRECTORY;
    }
    return PROBE_NOTHING;
  }
  if (found.attributes & PLAT_ATTR_DIRECTORY) return PROBE_DIRECTORY;
  return static_cast<int64_t>(found.size);
}

int help_show(const char* folder, void* owner) {
  char* help_path = mod_jointext(folder ? folder : "", HELP_FILE);
  if (!help_path) return 0;
  int shown = 0;
  if (help_probe(help_path) != PROBE_NOTHING) {
    plat_calls.shell_open(owner, help_path);
    shown = 1;
  }
  mod_freetext(help_path);
  return shown;
}
