// Bit costs of the JC stream's tokens, as the encoder's parser prices them.
#ifndef JC_COST_H
#define JC_COST_H

#include <cstdint>

namespace jc_cost {

const unsigned default_index_width = 8;
const unsigned literal_flag_bits = 1;
const unsigned single_byte_bits = 7;       // 001 + 4 bits: zero byte or byte copy
const unsigned short_match_bits = 12;      // 000 + 7 + 2 bits
const unsigned end_marker_bits = 12;
const unsigned raw_first_block_bits = 8 + 2048 + 1;  // 001 0000 1, 256 bytes, continue bit
const unsigned raw_next_block_bits = 2048 + 1;
const unsigned max_byte_copy_offset = 14;
const unsigned max_short_offset = 127;
const unsigned min_short_length = 2;
const unsigned max_short_length = 5;
const unsigned min_gamma = 2;

inline unsigned bit_length(uint32_t v) { return 32 - (unsigned)__builtin_clz(v); }

// Gamma code of v >= 2: two bits per digit after the leading 1.
inline unsigned gamma_bits(uint32_t v) { return 2 * (bit_length(v) - 1); }

struct adjustment_range {
  uint32_t below;  // offsets below this...
  uint32_t added;  // ...add this to the coded length
};
const adjustment_range adjustments[] = {
    {0x80, 4}, {0x27F, 0}, {0x37FF, 1}, {0x10000, 2}, {0xFFFFFFFFu, 3}};

inline uint32_t length_adjustment(uint32_t offset) {
  for (const adjustment_range& range : adjustments)
    if (offset < range.below) return range.added;
  return 3;
}

inline uint32_t min_normal_length(uint32_t offset) { return length_adjustment(offset) + min_gamma; }

inline unsigned normal_offset_bits(uint32_t offset, unsigned index_width) {
  return 2 + gamma_bits((offset >> index_width) + 3) + index_width;
}

inline unsigned normal_match_bits(uint32_t offset, uint32_t length, unsigned index_width) {
  return normal_offset_bits(offset, index_width) + gamma_bits(length - length_adjustment(offset));
}

inline unsigned repeat_match_bits(uint32_t length) { return 2 + gamma_bits(2) + gamma_bits(length); }

inline unsigned literal_bits(unsigned width) { return literal_flag_bits + width; }

// 001 0000 0, width bit, and the offset for width 7.
inline unsigned literal_width_change_bits(unsigned width) { return 9 + (width == 7 ? 8 : 0); }

inline unsigned index_width_value_bits(unsigned width) { return width < 16 ? 4 : width < 32 ? 5 : 6; }

inline unsigned index_width_change_bits(unsigned width) { return 12 + index_width_value_bits(width); }

}  // namespace jc_cost

#endif
