// host_transcript.h: the simulated host's call log as readable lines, "> Input.SetText("Input1", "Hi")".
#ifndef RIVIDI_HOST_TRANSCRIPT_H
#define RIVIDI_HOST_TRANSCRIPT_H

#include <cstdio>
#include <string>

struct lua_State;

// Where the transcript stands in the log of the host held in the registry under host_ref.
struct transcript_Log {
  int host_ref;
  FILE* out = nullptr;          // nullptr: entries are passed over, not written
  const void* table = nullptr;  // the log table watched; a new one (clear_log) is read from entry 1
  int shown = 0;                // entries of that table already passed
  long total = 0;               // lines written in all
};

// A Lua value as a Lua-like literal: strings quoted, tables with their fields (to a limited depth).
std::string transcript_value(lua_State* L, int index);

// Writes one line per log entry not passed yet, then watches the log so that every later entry is
// written the moment it is made: its arguments as they are at the call, not as they end up.
void transcript_flush(lua_State* L, transcript_Log* log);

#endif
