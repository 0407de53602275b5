// text_exports_test.cpp: the buffer-size protocol and the texts of the five text exports.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "exports.h"
#include "maker.h"

using TextExport = int (*)(char*, int*);

static std::string read_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct TextCase {
  const char* name;
  TextExport fn;
};

static const TextCase text_cases[] = {
    {"PluginName", irPlg_GetPluginName},   {"PluginVersion", irPlg_GetPluginVersion},
    {"AuthorInfo", irPlg_GetAuthorInfo},   {"LuaVersion", irPlg_GetLuaVersion},
    {"PluginActionXML", irPlg_GetPluginActionXML},
};

// Asks for a text the way the host does: too small first, then with the stored size.
static std::string query(TextExport fn) {
  int size = 0;
  EXPECT_EQ(fn(nullptr, &size), -1);
  std::vector<char> buffer(static_cast<size_t>(size) + 1);
  int n = fn(buffer.data(), &size);
  EXPECT_EQ(n, size);
  return std::string(buffer.data(), static_cast<size_t>(n));
}

class TextProtocol : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextProtocol, EverySizeCase) {
  TextExport fn = GetParam().fn;
  const std::string text = query(fn);
  const int n = static_cast<int>(text.size());
  const char fill = '\x5A';

  struct SizeCase {
    int size;
    int result;
    int size_after;
  } sizes[] = {
      {n, n, n},              // exactly the length: n + 1 bytes written
      {n + 100, n, n + 100},  // larger: size left as it was
      {n - 1, -1, n},         // one short: refused, length stored
      {0, -1, n},
      {-1, -1, n},
      {INT_MIN, -1, n},
  };
  for (const SizeCase& c : sizes) {
    std::vector<char> buffer(static_cast<size_t>(n) + 200, fill);
    int size = c.size;
    EXPECT_EQ(fn(buffer.data(), &size), c.result) << "size " << c.size;
    EXPECT_EQ(size, c.size_after) << "size " << c.size;
    if (c.result == -1) {
      EXPECT_EQ(std::count(buffer.begin(), buffer.end(), fill), static_cast<long>(buffer.size()))
          << "buffer touched for size " << c.size;
    } else {
      EXPECT_EQ(std::string(buffer.data(), static_cast<size_t>(n)), text);
      EXPECT_EQ(buffer[static_cast<size_t>(n)], '\0');
      EXPECT_EQ(buffer[static_cast<size_t>(n) + 1], fill) << "wrote past n + 1 bytes";
    }
  }
}

TEST_P(TextProtocol, RepeatedCallsGiveTheSameText) {
  EXPECT_EQ(query(GetParam().fn), query(GetParam().fn));
}

TEST_P(TextProtocol, NullSizePointerIsRefused) {
  char buffer[8] = {};
  EXPECT_EQ(GetParam().fn(buffer, nullptr), -1);
  EXPECT_EQ(buffer[0], '\0');
}

INSTANTIATE_TEST_SUITE_P(Exports, TextProtocol, ::testing::ValuesIn(text_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Texts, ConstantTexts) {
  EXPECT_EQ(query(irPlg_GetPluginName), "Rividi");
  EXPECT_EQ(query(irPlg_GetPluginVersion), "2,0,0,0");
  EXPECT_EQ(query(irPlg_GetLuaVersion), "Lua 5.1");
}

TEST(Texts, NameWithSizeSixAndFive) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  int size = 6;
  EXPECT_EQ(irPlg_GetPluginName(buffer, &size), 6);
  EXPECT_EQ(std::string(buffer, 7), std::string("Rividi\0", 7));
  EXPECT_EQ(size, 6);
  std::memset(buffer, 'x', sizeof buffer);
  size = 5;
  EXPECT_EQ(irPlg_GetPluginName(buffer, &size), -1);
  EXPECT_EQ(size, 6);
  EXPECT_EQ(buffer[0], 'x');
}

TEST(Texts, AuthorTextHasTenLines) {
  const std::string author = query(irPlg_GetAuthorInfo);
  std::vector<std::string> lines;
  size_t start = 0, at;
  while ((at = author.find("\r\n", start)) != std::string::npos) {
    lines.push_back(author.substr(start, at - start));
    start = at + 2;
  }
  lines.push_back(author.substr(start));
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Rividi Lattice model by Zentrix Programming.");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "This is an Action plugin which places most Rividi/DialogEx ");
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], RIVIDI_MAKER_WEB);
  EXPECT_EQ(lines[7].find("://"), std::string::npos);
  EXPECT_EQ(lines[9].substr(0, 30), "This is the version For AMS 8,");
  EXPECT_EQ(author.find('\n'), author.find("\r\n") + 1) << "bare line feed";
  EXPECT_NE(author.substr(author.size() - 2), "\r\n");
}

TEST(Texts, DocumentIsTheStoredDocumentByteForByte) {
  const std::string stored = read_file(RIVIDI_DOCUMENT_FILE);
  const std::string document = query(irPlg_GetPluginActionXML);
  EXPECT_EQ(document.size(), 12625u);
  EXPECT_EQ(document, stored);
  int size = 12625;
  std::vector<char> buffer(12627, 'x');
  EXPECT_EQ(irPlg_GetPluginActionXML(buffer.data(), &size), 12625);
  EXPECT_EQ(buffer[12625], '\0');
  EXPECT_EQ(buffer[12626], 'x');
  size = 12624;
  EXPECT_EQ(irPlg_GetPluginActionXML(buffer.data(), &size), -1);
  EXPECT_EQ(size, 12625);
}

TEST(Exports, SdkVersionIsAlwaysTwo) {
  EXPECT_EQ(irPlg_GetSDKVersion(), 2);
  query(irPlg_GetPluginActionXML);
  EXPECT_EQ(irPlg_GetSDKVersion(), 2);
}
