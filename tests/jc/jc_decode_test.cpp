// Decoder tests: the worked example, every token kind, length adjustments, checksum rules.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "jc_decode_fixture.h"

namespace {

TEST(JcDecode, WorkedExampleGivesTenBytes) {
  jc_decoded d = jc_run_decoder(jc_worked_example, 18);
  EXPECT_EQ(d.status, JC_OK);
  EXPECT_EQ(d.result, 10);
  EXPECT_EQ(d.output, jc_text("abcabcabca"));
}

TEST(JcDecode, StreamBuilderWritesTheWorkedExample) {
  jc_stream_builder b;
  b.literal_width(8).literals("abc").short_match(3, 5).short_match(3, 2).end();
  EXPECT_EQ(b.stream(10, 0xE6EFEBE1), jc_worked_example);
}

TEST(JcDecode, OtherChecksumFailsButLeavesTheBytes) {
  jc_bytes stream = jc_worked_example;
  stream[8] ^= 0x01;
  jc_decoded d = jc_run_decoder(stream, 18);
  EXPECT_EQ(d.status, JC_CHECKSUM_MISMATCH);
  EXPECT_EQ(jc_bytes(d.destination.begin(), d.destination.begin() + 10), jc_text("abcabcabca"));
}

TEST(JcDecode, ChecksumZeroMeansNoCheck) {
  jc_bytes stream = jc_worked_example;
  std::fill(stream.begin() + 6, stream.begin() + 10, 0);
  EXPECT_EQ(jc_run_decoder(stream, 18).result, 10);
}

TEST(JcDecode, ReversedMagicWritesNothing) {
  jc_bytes stream = jc_worked_example;
  std::swap(stream[0], stream[1]);
  jc_decoded d = jc_run_decoder(stream, 18);
  EXPECT_EQ(d.status, JC_BAD_MAGIC);
  EXPECT_EQ(d.destination, jc_bytes(18, jc_fill));
}

TEST(JcDecode, EmptyOutputIsNotAFailure) {
  jc_decoded d = jc_run_decoder(jc_stream_builder().end().unchecked_stream(), 0);
  EXPECT_EQ(d.status, JC_OK);
  EXPECT_EQ(d.result, 0);
}

struct jc_token_case {
  const char* name;
  std::function<void(jc_stream_builder&)> tokens;
  jc_bytes expected;
};

class JcTokens : public ::testing::TestWithParam<jc_token_case> {};

TEST_P(JcTokens, DecodeTo) {
  jc_stream_builder b;
  GetParam().tokens(b);
  b.end();
  jc_decoded d = jc_run_decoder(b.unchecked_stream(), 4096);
  ASSERT_EQ(d.status, JC_OK) << jc_status_text(d.status);
  EXPECT_EQ(d.output, GetParam().expected);
}

jc_bytes jc_bytes_of(std::initializer_list<int> values) { return jc_bytes(values.begin(), values.end()); }

const jc_token_case jc_token_cases[] = {
    {"Literals8", [](jc_stream_builder& b) { b.literal_width(8).literal(0x00).literal(0xFF).literal(0x80); },
     jc_bytes_of({0x00, 0xFF, 0x80})},
    {"Literals7AddTheirOffsetModulo256",
     [](jc_stream_builder& b) { b.literal_width(7, 0xF0).literal(0x00).literal(0x20).literal(0x7F); },
     jc_bytes_of({0xF0, 0x10, 0x6F})},
    {"Width8DropsTheOffset", [](jc_stream_builder& b) { b.literal_width(7, 0x10).literal(1).literal_width(8).literal(0x41); },
     jc_bytes_of({0x11, 0x41})},
    {"ZeroByteNeedsNoLiteralWidth", [](jc_stream_builder& b) { b.zero_byte().zero_byte(); }, jc_bytes_of({0, 0})},
    {"ByteCopyFromOffset14",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abcdefghijklmn").byte_copy(14).byte_copy(1); },
     jc_text("abcdefghijklmnaa")},
    {"ShortMatchLongerThanItsOffsetRepeats", [](jc_stream_builder& b) { b.literal_width(8).literals("x").short_match(1, 5); },
     jc_text("xxxxxx")},
    {"RepeatMatchAtStartUsesOffset1", [](jc_stream_builder& b) { b.literal_width(8).literals("q").repeat_match(3); },
     jc_text("qqqq")},
    {"RepeatMatchUsesShortMatchOffset",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abc").short_match(3, 2).literals("z").repeat_match(2); },
     jc_text("abcabzab")},
    {"RepeatMatchIgnoresByteCopies",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abcd").short_match(2, 2).byte_copy(5).repeat_match(2); },
     jc_text("abcdcdbdb")},
    {"NormalMatchSetsTheLastOffset",
     [](jc_stream_builder& b) {
       b.literal_width(8).literals("0123456789");
       b.index_width(1, 2).normal_match_at(9, 2).literals("z").repeat_match(3);  // 9 < 0x80: length 2 + 4
     },
     jc_text("0123456789123456z891")},
    {"IndexWidthOf5Bits",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abcdefgh").index_width(2, 17).normal_match(3, 7, 2); },
     jc_text("abcdefghbcdefg")},
    {"IndexWidthWiderThan32Bits",
     [](jc_stream_builder& b) { b.literal_width(8).literals("abcdefgh").index_width(3, 40).normal_match(3, 8, 2); },
     jc_text("abcdefghabcdef")},
    {"RawBlockIgnoresLiteralWidth7",
     [](jc_stream_builder& b) {
       jc_bytes block(256);
       for (int i = 0; i < 256; ++i) block[i] = (unsigned char)(255 - i);
       b.literal_width(7, 0x40).raw_blocks(block).literal(1);
     },
     [] {
       jc_bytes out(257);
       for (int i = 0; i < 256; ++i) out[i] = (unsigned char)(255 - i);
       out[256] = 0x41;
       return out;
     }()},
    {"RawBlockContinueBitAddsABlock",
     [](jc_stream_builder& b) { b.raw_blocks(jc_bytes(512, 0x33)).zero_byte(); },
     [] {
       jc_bytes out(512, 0x33);
       out.push_back(0);
       return out;
     }()},
};

INSTANTIATE_TEST_SUITE_P(Kinds, JcTokens, ::testing::ValuesIn(jc_token_cases),
                         [](const ::testing::TestParamInfo<jc_token_case>& info) { return info.param.name; });

// A normal match far back in pseudo-random raw bytes, to see both its offset and its length.
struct jc_adjustment_case {
  uint32_t offset;
  uint32_t added;
};

class JcLengthAdjustment : public ::testing::TestWithParam<jc_adjustment_case> {};

TEST_P(JcLengthAdjustment, AddsToTheCodedLength) {
  const jc_adjustment_case& c = GetParam();
  jc_bytes prefix(0x10000 + 256);
  std::mt19937 random(c.offset);
  for (unsigned char& byte : prefix) byte = (unsigned char)random();
  const uint32_t coded_length = 3;
  jc_stream_builder b;
  b.raw_blocks(prefix).normal_match_at(c.offset, coded_length).end();
  jc_decoded d = jc_run_decoder(b.unchecked_stream(), prefix.size() + 16);
  ASSERT_EQ(d.status, JC_OK) << jc_status_text(d.status);
  ASSERT_EQ(d.output.size(), prefix.size() + coded_length + c.added);
  for (size_t i = prefix.size(); i < d.output.size(); ++i) EXPECT_EQ(d.output[i], d.output[i - c.offset]);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, JcLengthAdjustment,
                         ::testing::Values(jc_adjustment_case{0x7F, 4}, jc_adjustment_case{0x80, 0},
                                           jc_adjustment_case{0x27E, 0}, jc_adjustment_case{0x27F, 1},
                                           jc_adjustment_case{0x37FE, 1}, jc_adjustment_case{0x37FF, 2},
                                           jc_adjustment_case{0xFFFF, 2}, jc_adjustment_case{0x10000, 3}),
                         [](const ::testing::TestParamInfo<jc_adjustment_case>& info) {
                           return "Offset" + std::to_string(info.param.offset);
                         });

}  // namespace
