// Tokens of a parsed JC stream and the literal coding modes they use.
#ifndef JC_TOKEN_H
#define JC_TOKEN_H

#include <cstdint>
#include <vector>

// How literals are coded: width 8 (offset 0), or width 7 holding (byte - offset) mod 256.
struct jc_literal_mode {
  uint8_t width;
  uint8_t offset;

  bool holds(unsigned char byte) const { return width == 8 || (uint8_t)(byte - offset) < 128; }
  bool operator==(const jc_literal_mode& other) const { return width == other.width && offset == other.offset; }
  bool operator!=(const jc_literal_mode& other) const { return !(*this == other); }
};

enum class jc_token_kind : uint8_t {
  literal,       // one byte in a literal mode
  zero_byte,     // one zero byte
  byte_copy,     // one byte from offset 1..14
  short_match,   // 2..5 bytes from offset 1..127
  normal_match,  // offset and length
  repeat_match,  // length, at the last offset
  raw_block,     // 256 bytes as they are
};

struct jc_token {
  jc_token_kind kind;
  jc_literal_mode mode;  // literal tokens only
  uint32_t offset;
  uint32_t length;       // bytes of output the token makes
};

struct jc_parse_result {
  std::vector<jc_token> tokens;
  unsigned index_width;
};

#endif
