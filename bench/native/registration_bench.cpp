// registration_bench.cpp: what a registration costs (decode + load + run of the payload)
// against loading the uncompressed chunk alone, measured in one run.
// Usage: registration_bench [PRELUDE.lua]   (the prelude sets the state up, e.g. the simulated host)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "jc_decode.h"
#include "module_state.h"
#include "payload_blob.h"
#include "payload_loader.h"

static uint32_t bench_u32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

template <typename Fn>
static double bench_seconds_per_call(Fn fn) {
  using clock = std::chrono::steady_clock;
  int calls = 0;
  auto start = clock::now();
  double elapsed = 0;
  for (int n = 1; elapsed < 0.5; n *= 2) {
    for (int i = 0; i < n; i++) fn();
    calls += n;
    elapsed = std::chrono::duration<double>(clock::now() - start).count();
  }
  return elapsed / calls;
}

int main(int argc, char** argv) {
  mod_attach();
  lua_State* L = luaL_newstate();
  luaL_openlibs(L);
  if (argc > 1 && luaL_dofile(L, argv[1]) != 0) {
    std::fprintf(stderr, "prelude: %s\n", lua_tostring(L, -1));
    return 1;
  }
  uint32_t packed = bench_u32(payload_record), unpacked = bench_u32(payload_record + 4);
  std::vector<unsigned char> chunk(unpacked + 8);
  if (jc_decode(payload_record + 8, packed, chunk.data(), chunk.size()) == 0) {
    std::fprintf(stderr, "the payload does not decode\n");
    return 1;
  }
  double load_only = bench_seconds_per_call([&] {
    luaL_loadbuffer(L, reinterpret_cast<const char*>(chunk.data()), unpacked, "Rividi Action Plugin");
    lua_pop(L, 1);
  });
  double decode_only = bench_seconds_per_call(
      [&] { jc_decode(payload_record + 8, packed, chunk.data(), chunk.size()); });
  double registration = bench_seconds_per_call([&] {
    load_payload(L, payload_record, static_cast<size_t>(payload_record_end - payload_record), "Rividi Action Plugin");
    lua_gc(L, LUA_GCSTEP, 0);
  });
  std::printf("registration (payload of %u bytes packed into %u)\n", unpacked, packed);
  std::printf("  baseline: load the uncompressed chunk  %9.1f us\n", load_only * 1e6);
  std::printf("  decode only                            %9.1f us  %5.2fx baseline\n", decode_only * 1e6,
              decode_only / load_only);
  std::printf("  decode + load + run (registration)     %9.1f us  %5.2fx baseline\n", registration * 1e6,
              registration / load_only);
  lua_close(L);
  return 0;
}
