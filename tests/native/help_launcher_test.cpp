// help_launcher_test.cpp: the path probe's outcomes and what the help exports hand to the shell,
// over a fake file system.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "exports.h"
#include "help_launcher.h"
#include "platform/platform.h"

// Paths the fake finds (FindFirstFileA), with attributes and size; network shares answer
// only GetFileAttributesA.
struct FakeEntry {
  uint32_t attributes;
  uint64_t size;
};
static std::map<std::string, FakeEntry> fake_found;
static std::map<std::string, uint32_t> fake_attributes;
static std::vector<std::string> searched, opened;
static std::vector<void*> owners;

static unsigned fake_drive_type(const char* root) {
  std::string r(root);
  return r == "C:\\" ? 3u : (r == "Q:\\" ? 0u : 1u);
}

static bool fake_find_first(const char* path, plat_FindResult* found) {
  searched.push_back(path);
  auto it = fake_found.find(path);
  if (it == fake_found.end()) return false;
  found->attributes = it->second.attributes;
  found->size = it->second.size;
  return true;
}

static uint32_t fake_file_attributes(const char* path) {
  auto it = fake_attributes.find(path);
  return it == fake_attributes.end() ? PLAT_NO_ATTRIBUTES : it->second;
}

static void fake_shell_open(void* owner, const char* path) {
  owners.push_back(owner);
  opened.push_back(path);
}

class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    plat_calls.drive_type = fake_drive_type;
    plat_calls.find_first = fake_find_first;
    plat_calls.file_attributes = fake_file_attributes;
    plat_calls.shell_open = fake_shell_open;
    fake_found = {
        {"C:\\Plugins\\Rividi\\Rividi.chm", {0x20, 123456}},
        {"C:\\Empty\\Rividi.chm", {0x20, 0}},
        {"C:\\Odd\\Rividi.chm", {PLAT_ATTR_DIRECTORY, 0}},
        {"C:\\Plugins\\Rividi", {PLAT_ATTR_DIRECTORY, 0}},
        {"C:\\Big.bin", {0x20, 0x123456789ull}},
        {"\\", {PLAT_ATTR_DIRECTORY, 0}},
        {"\\Rividi.chm", {0x20, 5}},
    };
    fake_attributes = {{"\\\\server\\share", PLAT_ATTR_DIRECTORY}, {"\\\\server\\file.txt", 0x20}};
    searched.clear();
    opened.clear();
    owners.clear();
  }
  void TearDown() override { plat_calls = plat_native_calls; }
};

TEST_F(Help, ProbeOutcomes) {
  struct Case {
    const char* path;
    int64_t result;
  } cases[] = {
      {nullptr, PROBE_NOTHING},
      {"", PROBE_NOTHING},
      {"C:", PROBE_DIRECTORY},
      {"C:\\", PROBE_DIRECTORY},
      {"X:", PROBE_NOTHING},        // no root directory
      {"Q:\\", PROBE_NOTHING},      // type cannot be determined
      {"C:\\Plugins\\Rividi\\\\\\", PROBE_DIRECTORY},  // searched without its trailing backslashes
      {"C:\\Plugins\\Rividi\\Rividi.chm", 123456},
      {"C:\\Empty\\Rividi.chm", 0},
      {"C:\\Big.bin", 0x123456789ll},
      {"C:\\Missing", PROBE_NOTHING},
      {"\\\\server\\share", PROBE_DIRECTORY},   // a share the search does not find
      {"\\\\server\\file.txt", PROBE_NOTHING},  // answers, but is no directory
      {"\\\\server\\gone", PROBE_NOTHING},
      {"\\\\\\", PROBE_DIRECTORY},  // backslashes only: stripping stops at the first character
  };
  for (const Case& c : cases) EXPECT_EQ(help_probe(c.path), c.result) << (c.path ? c.path : "(null)");
}

TEST_F(Help, LongPathsAreProbedByTheirFirst260Characters) {
  std::string folder = "C:\\" + std::string(300, 'a');
  fake_found[folder.substr(0, 260)] = {PLAT_ATTR_DIRECTORY, 0};
  EXPECT_EQ(help_probe(folder.c_str()), PROBE_DIRECTORY);
  EXPECT_EQ(searched.back(), folder.substr(0, 260));
  // The export hands the shell the full path when the cut one names something.
  EXPECT_EQ(irPlg_ShowHelpForPlugin(const_cast<char*>(folder.c_str()), nullptr), 1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], folder + "\\Rividi.chm");
}

TEST_F(Help, ExportsOpenTheHelpFileWhenSomethingIsThere) {
  struct Case {
    const char* folder;
    int result;
    const char* opened;
  } cases[] = {
      {"C:\\Plugins\\Rividi", 1, "C:\\Plugins\\Rividi\\Rividi.chm"},
      {"C:\\Empty", 1, "C:\\Empty\\Rividi.chm"},  // an empty file counts
      {"C:\\Odd", 1, "C:\\Odd\\Rividi.chm"},      // so does a directory of that name
      {"C:\\Nothing", 0, nullptr},
      {"", 1, "\\Rividi.chm"},
      {nullptr, 1, "\\Rividi.chm"},
  };
  int owner_token = 0;
  for (const Case& c : cases) {
    for (int which = 0; which < 2; which++) {
      opened.clear();
      char* folder = const_cast<char*>(c.folder);
      int result = which == 0 ? irPlg_ShowHelpForPlugin(folder, &owner_token)
                              : irPlg_ShowHelpForAction(reinterpret_cast<void*>(0x1234), folder, &owner_token);
      EXPECT_EQ(result, c.result) << (c.folder ? c.folder : "(null)");
      if (c.opened) {
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], c.opened);
        EXPECT_EQ(owners.back(), &owner_token);
      } else {
        EXPECT_TRUE(opened.empty());
      }
    }
  }
}

TEST_F(Help, AFolderEndingInABackslashGivesTwo) {
  fake_found["C:\\Plugins\\Rividi\\\\Rividi.chm"] = {0x20, 1};
  EXPECT_EQ(irPlg_ShowHelpForPlugin(const_cast<char*>("C:\\Plugins\\Rividi\\"), nullptr), 1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "C:\\Plugins\\Rividi\\\\Rividi.chm");
  EXPECT_EQ(searched.back(), "C:\\Plugins\\Rividi\\\\Rividi.chm");
}
