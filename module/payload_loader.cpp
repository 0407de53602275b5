/* payload_loader.cpp: decode the payload record into a fresh buffer, load it and run it. */
#include "payload_loader.h"

#include <cstdint>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "jc_decode.h"
#include "module_state.h"
#include "platform/platform.h"

static const uint32_t LOAD_SLACK = 8; /* zero bytes behind the chunk in the decode buffer */

static uint32_t load_u32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

/* Raised in place of a chunk that the host's Lua refuses; luaL_loadbuffer's own message stays below it. */
static const char LOAD_REFUSED[] =
    "error('Rividi Action Plugin: this Lua library refuses the stored script', 0)";

int load_payload(lua_State* L, const unsigned char* record, size_t record_size, const char* chunk_name) {
  if (record_size < 8) return 0;
  char* name = mod_newtext(chunk_name);
  size_t packed = load_u32(record);
  if (packed > record_size - 8) packed = record_size - 8;
  uint32_t unpacked = load_u32(record + 4);
  const unsigned char* stream = record + 8;
  int result = 0;
  unsigned char* buffer = nullptr;
  if (name && unpacked > 0 && unpacked <= INT32_MAX - LOAD_SLACK)
    buffer = static_cast<unsigned char*>(
        plat_calls.heap_alloc(mod_state.block_heap, unpacked + LOAD_SLACK, true));
  if (buffer && jc_decode(stream, packed, buffer, unpacked + LOAD_SLACK) != 0) {
    if (luaL_loadbuffer(L, reinterpret_cast<const char*>(buffer), unpacked, name) != 0)
      luaL_loadbuffer(L, LOAD_REFUSED, sizeof LOAD_REFUSED - 1, "=Rividi");
    result = 1;
  }
  /* Free before running: an error raised by the chunk leaves lua_call by a long jump. */
  if (buffer) plat_calls.heap_free(mod_state.block_heap, buffer);
  mod_freetext(name);
  if (result) lua_call(L, 0, 0);
  return result;
}
