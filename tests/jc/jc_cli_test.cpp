// Tests of the jc command: pack and unpack files, and fail clearly on bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "jc_stream_builder.h"

namespace {

namespace fs = std::filesystem;

class JcCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("jc_cli_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const char* name) const { return (dir_ / name).string(); }

  // Exit status of jc with the arguments; its standard error goes to error_.
  int jc(const std::string& arguments) {
    std::string command = std::string("\"") + JC_TOOL + "\" " + arguments + " 2>\"" + path("stderr") + "\"";
    int status = std::system(command.c_str());
    error_ = read(path("stderr"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static void write(const std::string& file, const jc_bytes& data) {
    std::ofstream(file, std::ios::binary).write((const char*)data.data(), (std::streamsize)data.size());
  }

  static std::string read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  fs::path dir_;
  std::string error_;
};

TEST_F(JcCli, PackThenUnpackGivesTheFile) {
  jc_bytes data;
  for (int i = 0; i < 5000; ++i) data.push_back((unsigned char)(i * i % 251));
  write(path("in"), data);
  ASSERT_EQ(jc("pack \"" + path("in") + "\" \"" + path("packed") + "\""), 0) << error_;
  ASSERT_EQ(jc("unpack \"" + path("packed") + "\" \"" + path("out") + "\""), 0) << error_;
  EXPECT_EQ(read(path("out")), read(path("in")));
  EXPECT_LT(fs::file_size(path("packed")), data.size());
}

TEST_F(JcCli, EmptyFileRoundTrips) {
  write(path("in"), {});
  ASSERT_EQ(jc("pack \"" + path("in") + "\" \"" + path("packed") + "\""), 0) << error_;
  ASSERT_EQ(jc("unpack \"" + path("packed") + "\" \"" + path("out") + "\""), 0) << error_;
  EXPECT_EQ(fs::file_size(path("out")), 0u);
}

TEST_F(JcCli, DamagedStreamFails) {
  write(path("in"), jc_bytes(3000, 'z'));
  ASSERT_EQ(jc("pack \"" + path("in") + "\" \"" + path("packed") + "\""), 0) << error_;
  std::string packed = read(path("packed"));
  const size_t damaged_bytes[] = {0, 7, packed.size() - 3};
  for (size_t at : damaged_bytes) {
    std::string damaged = packed;
    damaged[at] ^= 0x10;
    write(path("damaged"), jc_bytes(damaged.begin(), damaged.end()));
    EXPECT_EQ(jc("unpack \"" + path("damaged") + "\" \"" + path("out") + "\""), 1) << "byte " << at;
    EXPECT_NE(error_.find(path("damaged")), std::string::npos) << error_;
  }
  write(path("cut"), jc_bytes(packed.begin(), packed.end() - 4));
  EXPECT_EQ(jc("unpack \"" + path("cut") + "\" \"" + path("out") + "\""), 1);
  EXPECT_NE(error_.find("damaged JC stream"), std::string::npos) << error_;
}

TEST_F(JcCli, StreamShorterThanItsHeaderSizeFails) {
  jc_stream_builder b;
  b.literal_width(8).literals("abc").end();
  write(path("short"), b.stream(4, 0));
  EXPECT_EQ(jc("unpack \"" + path("short") + "\" \"" + path("out") + "\""), 1);
  EXPECT_NE(error_.find("3 bytes decoded, header says 4"), std::string::npos) << error_;
}

TEST_F(JcCli, MissingInputFails) {
  EXPECT_EQ(jc("pack \"" + path("nothing") + "\" \"" + path("out") + "\""), 1);
  EXPECT_NE(error_.find("cannot open"), std::string::npos) << error_;
  EXPECT_FALSE(fs::exists(path("out")));
}

TEST_F(JcCli, BadUsageShowsUsage) {
  for (const char* arguments : {"", "pack onlyone", "squeeze a b", "pack a b c"}) {
    EXPECT_EQ(jc(arguments), 2) << arguments;
    EXPECT_NE(error_.find("usage: jc pack IN OUT"), std::string::npos) << error_;
  }
}

}  // namespace
