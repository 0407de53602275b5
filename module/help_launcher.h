/* help_launcher.h: opens Rividi.chm from the folder the host names. */
#ifndef RIVIDI_HELP_LAUNCHER_H
#define RIVIDI_HELP_LAUNCHER_H

#include <cstdint>

enum : int64_t {
  PROBE_NOTHING = -1,  /* empty path, or nothing found */
  PROBE_DIRECTORY = -2 /* a directory, or the root of an existing drive */
};

/* What is at path: PROBE_NOTHING, PROBE_DIRECTORY, or a file's size in bytes. */
int64_t help_probe(const char* path);

/* Hands folder + "\Rividi.chm" to the shell when something is there; returns 1, else 0. */
int help_show(const char* folder, void* owner);

#endif
