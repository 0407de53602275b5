// payload_loader_test.cpp: decoding, loading and running payload records in a Lua state.
#include <gtest/gtest.h>

#include <map>

#include "exports.h"
#include "lua_fixture.h"
#include "module_state.h"
#include "payload_loader.h"
#include "platform/platform.h"

// Counts the live blocks of every heap and can make the block heap fail.
static std::map<void*, long> live_blocks;
static bool block_heap_fails = false;

static void* counting_alloc(void* heap, size_t size, bool zero) {
  if (block_heap_fails && heap == mod_state.block_heap) return nullptr;
  void* block = plat_native_calls.heap_alloc(heap, size, zero);
  if (block) live_blocks[heap]++;
  return block;
}

static void counting_free(void* heap, void* block) {
  if (block) live_blocks[heap]--;
  plat_native_calls.heap_free(heap, block);
}

static std::vector<unsigned char> raising_record;

class Loader : public ::testing::Test {
 protected:
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    plat_calls.heap_alloc = counting_alloc;
    plat_calls.heap_free = counting_free;
    live_blocks.clear();
    block_heap_fails = false;
  }
  void TearDown() override {
    plat_calls = plat_native_calls;
    lua_close(L);
  }
  int load(const std::vector<unsigned char>& record) {
    return load_payload(L, record.data(), record.size(), "Rividi Action Plugin");
  }
  void expect_no_live_blocks() {
    for (const auto& [heap, count] : live_blocks) EXPECT_EQ(count, 0) << "blocks left on a heap";
  }
  lua_State* L = nullptr;
};

TEST_F(Loader, RunsTheChunkOncePerCallFromAFreshBuffer) {
  auto record = fixture_record("Runs = (Runs or 0) + 1");
  EXPECT_EQ(load(record), 1);
  EXPECT_EQ(global_text(L, "Runs"), "1");
  EXPECT_EQ(load(record), 1);
  EXPECT_EQ(global_text(L, "Runs"), "2");
  EXPECT_EQ(lua_gettop(L), 0);
  expect_no_live_blocks();
}

TEST_F(Loader, ChunkRunsWithTheGlobalsOfTheState) {
  auto record = fixture_record("Seen = HostValue .. '!'");
  lua_pushstring(L, "host");
  lua_setglobal(L, "HostValue");
  EXPECT_EQ(load(record), 1);
  EXPECT_EQ(global_text(L, "Seen"), "host!");
}

TEST_F(Loader, DamagedChecksumLeavesTheStateUnchanged) {
  auto record = fixture_record("Runs = 1");
  record[8 + 6] ^= 0x01;  // first byte of the stream's checksum
  EXPECT_EQ(load(record), 0);
  EXPECT_EQ(global_text(L, "Runs"), "nil");
  EXPECT_EQ(lua_gettop(L), 0);
  expect_no_live_blocks();
}

TEST_F(Loader, DamagedRecordsLoadNothing) {
  struct Damage {
    const char* what;
    void (*apply)(std::vector<unsigned char>&);
  } damages[] = {
      {"zero unpacked size", [](std::vector<unsigned char>& r) { r[4] = r[5] = r[6] = r[7] = 0; }},
      {"reversed magic", [](std::vector<unsigned char>& r) { std::swap(r[8], r[9]); }},
      {"packed size cut short", [](std::vector<unsigned char>& r) { r[0] = 12; r[1] = r[2] = r[3] = 0; }},
      {"unpacked size beyond the decode buffer", [](std::vector<unsigned char>& r) { r[4] -= 9; }},
  };
  for (const Damage& d : damages) {
    auto record = fixture_record("Runs = 1");
    d.apply(record);
    EXPECT_EQ(load(record), 0) << d.what;
    EXPECT_EQ(global_text(L, "Runs"), "nil") << d.what;
  }
  expect_no_live_blocks();
}

// A chunk that Lua refuses is reported to the caller as an error, and nothing is left behind.
TEST_F(Loader, AChunkLuaRefusesRaisesInTheCaller) {
  raising_record = fixture_record("Runs = 1");
  raising_record[4] -= 1;  // the record's size cuts the chunk's last byte
  std::string message = protected_call(L, [](lua_State* S) {
    load_payload(S, raising_record.data(), raising_record.size(), "Rividi Action Plugin");
  });
  EXPECT_EQ(message, "Rividi Action Plugin: this Lua library refuses the stored script");
  EXPECT_EQ(global_text(L, "Runs"), "nil");
  expect_no_live_blocks();
}

TEST_F(Loader, APackedSizeBeyondTheRecordIsCutToIt) {
  auto record = fixture_record("Runs = 1");
  record[0] = record[1] = 0;
  record[2] = 0x10;  // 1 MiB
  record.resize(record.size() - 4);  // and the end marker's word is gone
  EXPECT_EQ(load(record), 0);
  EXPECT_EQ(global_text(L, "Runs"), "nil");
  expect_no_live_blocks();
}

TEST_F(Loader, NoDecodeBufferLoadsNothing) {
  auto record = fixture_record("Runs = 1");
  block_heap_fails = true;
  EXPECT_EQ(load(record), 0);
  EXPECT_EQ(global_text(L, "Runs"), "nil");
  expect_no_live_blocks();
}

TEST_F(Loader, AnErrorRaisedByTheChunkLeaksNothing) {
  raising_record = fixture_record("Before = 1; error('payload failed', 0)");
  std::string message = protected_call(L, [](lua_State* S) {
    load_payload(S, raising_record.data(), raising_record.size(), "Rividi Action Plugin");
  });
  EXPECT_EQ(message, "payload failed");
  EXPECT_EQ(global_text(L, "Before"), "1");
  expect_no_live_blocks();
}

TEST_F(Loader, ExportReturnsOneWhateverTheLoaderDid) {
  EXPECT_EQ(irPlg_Action_RegisterActions(nullptr), 1);
  block_heap_fails = true;
  EXPECT_EQ(irPlg_Action_RegisterActions(L), 1);
  EXPECT_EQ(lua_gettop(L), 0);
  expect_no_live_blocks();
}
