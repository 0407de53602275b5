// The decoder against the plain reference decoder, on real streams with random damage.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "jc_decode_fixture.h"
#include "jc_encode.h"
#include "jc_reference_decode.h"

namespace {

// True when both decoded the stream.
bool jc_expect_same_as_reference(const jc_bytes& stream, size_t capacity) {
  jc_bytes out(capacity + 1, 0);
  int result = jc_decode(stream.data(), stream.size(), out.data(), capacity);
  auto reference = jc_reference_decode(stream.data(), stream.size(), capacity);
  EXPECT_EQ(result != 0, reference && !reference->empty());
  if (result == 0 || !reference) return false;
  out.resize(result);
  EXPECT_TRUE(out == *reference);
  return true;
}

jc_bytes jc_sample_input() {
  std::mt19937 random(11);
  jc_bytes input;
  const char* words[] = {"local ", "function ", "Rividi", ".Create(", "\"Input1\"", ")\n", "end\n"};
  while (input.size() < 20000) {
    unsigned pick = random() % 9;
    if (pick < 7)
      input.insert(input.end(), words[pick], words[pick] + strlen(words[pick]));
    else
      for (int i = 0; i < 300; ++i) input.push_back((unsigned char)random());
  }
  return input;
}

// Flipped bits, cut streams and zeroed checksums reach every token with odd values.
TEST(JcDifferential, DamagedStreamsDecodeLikeTheReference) {
  jc_bytes input = jc_sample_input();
  jc_bytes stream = jc_encode(input.data(), input.size());
  EXPECT_TRUE(jc_expect_same_as_reference(stream, input.size()));
  std::mt19937 random(5);
  int decoded = 0;
  for (int round = 0; round < 300; ++round) {
    jc_bytes damaged = stream;
    std::fill(damaged.begin() + 2, damaged.begin() + 10, 0);
    for (int flips = 1 + round % 4; flips > 0; --flips) damaged[10 + random() % (damaged.size() - 10)] ^= 1 << random() % 8;
    if (round % 5 == 0) damaged.resize(10 + random() % (damaged.size() - 10));
    decoded += jc_expect_same_as_reference(damaged, round % 3 == 0 ? input.size() / 2 : input.size() + 64);
    if (HasFailure()) FAIL() << "round " << round;
  }
  EXPECT_GT(decoded, 30) << "too few damaged streams still decode to compare their output";
}

}  // namespace
