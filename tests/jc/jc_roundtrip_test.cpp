// Encoder tests: awkward inputs and the script chunk pack and unpack to themselves.
#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include "jc_decode_fixture.h"
#include "jc_encode.h"

namespace {

struct jc_input_case {
  const char* name;
  std::function<jc_bytes()> make;
};

jc_bytes jc_random_bytes(size_t n, unsigned modulus, unsigned seed) {
  std::mt19937 random(seed);
  jc_bytes out(n);
  for (unsigned char& byte : out) byte = (unsigned char)(random() % modulus);
  return out;
}

jc_bytes jc_repeated(const jc_bytes& unit, size_t times) {
  jc_bytes out;
  for (size_t i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
  return out;
}

jc_bytes jc_words_text(size_t words) {
  static const char* const vocabulary[] = {"the", "object", "handle", "Rividi", "returns", "a", "page", "of",
                                           "dialog", "text", "\r\n", "function", "local", "end", "(", ")"};
  std::mt19937 random(7);
  std::string text;
  for (size_t i = 0; i < words; ++i) text += std::string(vocabulary[random() % 16]) + " ";
  return jc_text(text);
}

const jc_input_case jc_input_cases[] = {
    {"Empty", [] { return jc_bytes(); }},
    {"OneByte", [] { return jc_bytes{0x41}; }},
    {"TwoBytes", [] { return jc_bytes{0x00, 0xFF}; }},
    {"ThreeBytes", [] { return jc_text("abc"); }},
    {"FourBytes", [] { return jc_text("abcd"); }},
    {"AllZeros", [] { return jc_bytes(200000, 0); }},
    {"RandomBytes", [] { return jc_random_bytes(70000, 256, 1); }},
    {"RandomSevenBitBytes", [] { return jc_random_bytes(20000, 128, 2); }},
    {"FewDistinctBytes", [] { return jc_random_bytes(50000, 3, 3); }},
    {"LongPeriod", [] { return jc_repeated(jc_random_bytes(70000, 256, 4), 3); }},
    {"ShortPeriod", [] { return jc_repeated(jc_text("abc"), 40000); }},
    {"RandomBlockThenRepeats", [] {
       jc_bytes out = jc_random_bytes(1000, 256, 5);
       jc_bytes tail = jc_repeated(jc_bytes(out.begin() + 100, out.begin() + 400), 20);
       out.insert(out.end(), tail.begin(), tail.end());
       return out;
     }},
    {"Text", [] { return jc_words_text(30000); }},
};

// The stream, after checking that it decodes to the input.
jc_bytes jc_expect_round_trip(const jc_bytes& input) {
  jc_bytes stream = jc_encode(input.data(), input.size());
  EXPECT_GE(stream.size(), (size_t)JC_HEADER_SIZE);
  jc_decoded d = jc_run_decoder(stream, input.size());
  EXPECT_EQ(d.status, JC_OK) << jc_status_text(d.status);
  EXPECT_TRUE(d.output == input) << "decoded " << d.output.size() << " bytes differ from the input";
  EXPECT_EQ(jc_run_decoder(stream, input.size() + 8).output.size(), input.size());
  return stream;
}

class JcRoundTrip : public ::testing::TestWithParam<jc_input_case> {};

TEST_P(JcRoundTrip, DecodesToTheInput) { jc_expect_round_trip(GetParam().make()); }

INSTANTIATE_TEST_SUITE_P(Inputs, JcRoundTrip, ::testing::ValuesIn(jc_input_cases),
                         [](const ::testing::TestParamInfo<jc_input_case>& info) { return info.param.name; });

TEST(JcEncode, StoresTheChecksum) {
  jc_bytes input = jc_words_text(100);
  jc_bytes stream = jc_encode(input.data(), input.size());
  uint32_t stored = stream[6] | stream[7] << 8 | stream[8] << 16 | (uint32_t)stream[9] << 24;
  EXPECT_NE(stored, 0u);
  EXPECT_EQ(stored, jc_checksum(input.data(), input.size()));
}

// Incompressible input goes into raw blocks at little more than 8 bits a byte.
TEST(JcEncode, RandomBytesCostLittleMoreThanThemselves) {
  jc_bytes input = jc_random_bytes(256 * 64, 256, 9);
  EXPECT_LE(jc_encode(input.data(), input.size()).size(), input.size() + input.size() / 2048 + 16);
}

jc_bytes jc_read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return jc_bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(JcScriptChunk, PacksSmallerThanDeflateLevel9AndRoundTrips) {
  jc_bytes chunk = jc_read_file(RIVIDI_SCRIPT_CHUNK);
  ASSERT_FALSE(chunk.empty()) << "cannot read " << RIVIDI_SCRIPT_CHUNK;
  size_t packed = jc_expect_round_trip(chunk).size();
  uLongf deflated = compressBound(chunk.size());
  jc_bytes out(deflated);
  ASSERT_EQ(compress2(out.data(), &deflated, chunk.data(), chunk.size(), 9), Z_OK);
  EXPECT_LT(packed, deflated);
}

}  // namespace
