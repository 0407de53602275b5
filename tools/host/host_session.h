// host_session.h: one run of the host: a Lua state with the simulated host, the module registered in
// it, project scripts run in turn, and the transcript of what they made the host do.
#ifndef RIVIDI_HOST_SESSION_H
#define RIVIDI_HOST_SESSION_H

#include <cstdio>
#include <string>

#include "host_module.h"
#include "host_transcript.h"

struct hostses_Session {
  lua_State* L = nullptr;
  transcript_Log log{0};  // host_ref > 0 once the simulated host is installed
  FILE* out = stdout;
};

// Opens the state and installs the simulated host from simhost_dir for the project file ("" = the
// default project). Each step raises host_Error with what went wrong.
void hostses_start(hostses_Session* session, const std::string& simhost_dir, const std::string& project);

// Calls irPlg_Action_RegisterActions in a protected call; raises host_Error unless Rividi then exists.
// What the module's chunk asks of the host while it builds Rividi is left out of the transcript.
void hostses_register(hostses_Session* session, const hostmod_Module& module);

// Runs one script; raises host_Error with "<script>:<line>: <message>" when it fails.
void hostses_run(hostses_Session* session, const std::string& script);

// Writes the log entries not written yet.
void hostses_flush(hostses_Session* session);

void hostses_close(hostses_Session* session);

#endif
