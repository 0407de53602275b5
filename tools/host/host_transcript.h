// host_transcript.h: the simulated host's call log as readable lines, "> Input.SetText("Input1", "Hi")".
#ifndef RIVIDI_HOST_TRANSCRIPT_H
#define RIVIDI_HOST_TRANSCRIPT_H

#include <cstdio>
#include <string>

struct lua_State;

// Where the transcript stands in the log of the host held in the registry under host_ref.
struct transcript_Log {
  int host_ref;
  int shown = 0;   // log entries already written
  long total = 0;  // lines written in all
};

// A Lua value as a Lua-like literal: strings quoted, tables with their fields (to a limited depth).
std::string transcript_value(lua_State* L, int index);

// Writes one line per log entry that was not written yet.
void transcript_flush(lua_State* L, transcript_Log* log, FILE* out);

#endif
