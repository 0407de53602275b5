/* payload_loader.h: decodes the stored script payload and runs it once in a Lua state. */
#ifndef RIVIDI_PAYLOAD_LOADER_H
#define RIVIDI_PAYLOAD_LOADER_H

struct lua_State;

#include <cstddef>

/* record: packed size (u32 LE), unpacked size (u32 LE), then the JC stream; record_size bytes are
   stored there, so a damaged packed size cannot send the decoder past them.
   Returns 1 when the chunk was run, 0 when nothing was loaded. */
int load_payload(lua_State* L, const unsigned char* record, size_t record_size, const char* chunk_name);

#endif
