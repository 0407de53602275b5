// Checksum tests: word order, the overlapping tail word, and what the decoder checks it over.
#include <gtest/gtest.h>

#include "jc_decode_fixture.h"

namespace {

uint32_t jc_mix(uint32_t sum, uint32_t w) { return (sum + w) ^ (((w << 1) | (w >> 31)) + 1); }

uint32_t jc_le32_at(const jc_bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | (uint32_t)b[at + 3] << 24;
}

TEST(JcChecksum, TailWordOverlapsThePreviousOne) {
  jc_bytes ten = jc_text("abcabcabca");
  EXPECT_EQ(jc_checksum(ten.data(), 10), jc_mix(jc_mix(jc_mix(0, jc_le32_at(ten, 0)), jc_le32_at(ten, 4)), jc_le32_at(ten, 6)));
  EXPECT_EQ(jc_checksum(ten.data(), 10), 0xE6EFEBE1u);
}

TEST(JcChecksum, MultipleOfFourTakesNoTailWord) {
  jc_bytes eight = jc_text("\x01\x02\x03\x04\xF0\xE0\xD0\xC0");
  EXPECT_EQ(jc_checksum(eight.data(), 8), jc_mix(jc_mix(0, 0x04030201u), 0xC0D0E0F0u));
}

TEST(JcChecksum, UnderFourBytesIsZero) {
  jc_bytes three = jc_text("xyz");
  for (size_t n = 0; n <= 3; ++n) EXPECT_EQ(jc_checksum(three.data(), n), 0u);
}

TEST(JcChecksum, TinyOutputWithNonZeroChecksumAlwaysFails) {
  jc_stream_builder b;
  b.literal_width(8).literals("xy").end();
  EXPECT_EQ(jc_run_decoder(b.stream(2, 1), 16).status, JC_CHECKSUM_MISMATCH);
  EXPECT_EQ(jc_run_decoder(b.stream(2, 0), 16).result, 2);
}

// The checksum covers the header's size of destination, not the count written: here four
// bytes are written and the four behind them are whatever the destination held.
TEST(JcChecksum, CoversTheHeaderSizeNotTheCountWritten) {
  jc_bytes expected = {'w', 'x', 'y', 'z', jc_fill, jc_fill, jc_fill, jc_fill};
  jc_stream_builder b;
  b.literal_width(8).literals("wxyz").end();
  jc_decoded d = jc_run_decoder(b.stream(8, jc_checksum(expected.data(), 8)), 8);
  EXPECT_EQ(d.status, JC_OK);
  EXPECT_EQ(d.result, 4);
  jc_bytes four = jc_text("wxyz");
  EXPECT_EQ(jc_run_decoder(b.stream(8, jc_checksum(four.data(), 4)), 8).status, JC_CHECKSUM_MISMATCH);
}

}  // namespace
