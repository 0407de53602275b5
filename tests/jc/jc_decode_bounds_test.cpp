// Decoder tests: damaged or hostile streams fail with 0 and never write outside the destination.
#include <gtest/gtest.h>

#include <functional>

#include "jc_decode_fixture.h"

namespace {

TEST(JcDecodeBounds, EveryTruncationFails) {
  for (size_t size = 0; size < jc_worked_example.size(); ++size) {
    jc_decoded d = jc_run_decoder(jc_worked_example.data(), size, 18);
    EXPECT_EQ(d.status, size < 2 ? JC_BAD_MAGIC : JC_TRUNCATED) << "stream cut to " << size << " bytes";
  }
}

TEST(JcDecodeBounds, NullPointersFail) {
  unsigned char out[16];
  EXPECT_EQ(jc_decode(nullptr, 22, out, sizeof out), 0);
  EXPECT_EQ(jc_decode(jc_worked_example.data(), jc_worked_example.size(), nullptr, 16), 0);
  size_t written;
  EXPECT_EQ(jc_decode_status(nullptr, 22, out, sizeof out, &written), JC_BAD_ARGUMENT);
}

TEST(JcDecodeBounds, UnpackedSizeOverCapacityWritesNothing) {
  jc_decoded d = jc_run_decoder(jc_worked_example, 9);
  EXPECT_EQ(d.status, JC_SIZE_OVER_CAPACITY);
  EXPECT_EQ(d.destination, jc_bytes(9, jc_fill));
}

TEST(JcDecodeBounds, ExactCapacityIsEnough) { EXPECT_EQ(jc_run_decoder(jc_worked_example, 10).result, 10); }

struct jc_bad_case {
  const char* name;
  std::function<void(jc_stream_builder&)> tokens;
  size_t capacity;
  jc_status expected;
};

class JcBadStream : public ::testing::TestWithParam<jc_bad_case> {};

TEST_P(JcBadStream, FailsWith) {
  jc_stream_builder b;
  GetParam().tokens(b);
  b.end();
  EXPECT_EQ(jc_run_decoder(b.unchecked_stream(), GetParam().capacity).status, GetParam().expected);
}

const jc_bad_case jc_bad_cases[] = {
    {"LiteralBeforeWidthChange", [](jc_stream_builder& b) { b.literal(0x41); }, 16, JC_NO_LITERAL_WIDTH},
    {"IndexWidthZero", [](jc_stream_builder& b) { b.index_width(1, 0); }, 16, JC_ZERO_INDEX_WIDTH},
    {"ShortMatchBeforeStart", [](jc_stream_builder& b) { b.literal_width(8).literals("a").short_match(2, 2); }, 16,
     JC_OFFSET_BEFORE_START},
    {"ByteCopyBeforeStart", [](jc_stream_builder& b) { b.literal_width(8).literals("ab").byte_copy(3); }, 16,
     JC_OFFSET_BEFORE_START},
    {"RepeatMatchOnEmptyOutput", [](jc_stream_builder& b) { b.repeat_match(2); }, 16, JC_OFFSET_BEFORE_START},
    {"NormalMatchBeforeStart", [](jc_stream_builder& b) { b.literal_width(8).literals("abc").normal_match_at(300, 2); },
     1024, JC_OFFSET_BEFORE_START},
    {"NormalMatchWithHugeHighPart",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abc").normal_match(0xFFFFFFFFFFull, 0, 2); }, 1024,
     JC_OFFSET_BEFORE_START},
    {"WideIndexBeyond31Bits",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abc").index_width(3, 40).normal_match(3, 1ull << 35, 2); },
     1024, JC_OFFSET_BEFORE_START},
    {"LiteralPastCapacity", [](jc_stream_builder& b) { b.literal_width(8).literals("abcde"); }, 4, JC_OUTPUT_OVERFLOW},
    {"ZeroBytePastCapacity", [](jc_stream_builder& b) { b.zero_byte().zero_byte(); }, 1, JC_OUTPUT_OVERFLOW},
    {"MatchPastCapacity", [](jc_stream_builder& b) { b.literal_width(8).literals("a").short_match(1, 5); }, 5,
     JC_OUTPUT_OVERFLOW},
    {"HugeGammaLength", [](jc_stream_builder& b) { b.literal_width(8).literals("a").repeat_match(1ull << 40); }, 1024,
     JC_OUTPUT_OVERFLOW},
    {"RawBlockPastCapacity", [](jc_stream_builder& b) { b.raw_blocks(jc_bytes(256, 7)); }, 255, JC_OUTPUT_OVERFLOW},
};

INSTANTIATE_TEST_SUITE_P(Streams, JcBadStream, ::testing::ValuesIn(jc_bad_cases),
                         [](const ::testing::TestParamInfo<jc_bad_case>& info) { return info.param.name; });

// Zero padding reads as an end marker, so the tokens here fill exactly one word.
TEST(JcDecodeBounds, StreamWithoutEndMarkerIsTruncated) {
  jc_stream_builder b;
  b.literal_width(8).literals("a").zero_byte().zero_byte();
  ASSERT_EQ(b.unchecked_stream().size(), JC_HEADER_SIZE + 4u);
  EXPECT_EQ(jc_run_decoder(b.unchecked_stream(), 16).status, JC_TRUNCATED);
}

TEST(JcDecodeBounds, RawBlockCutShortIsTruncated) {
  jc_stream_builder b;
  b.raw_blocks(jc_bytes(256, 7)).end();
  jc_bytes stream = b.unchecked_stream();
  stream.resize(stream.size() - 8);
  EXPECT_EQ(jc_run_decoder(stream, 512).status, JC_TRUNCATED);
}

}  // namespace
