// Bounded JC stream decoder: sentinel-bit reader, token decoding, match copy and checksum.
#include "jc_decode.h"

#include <limits.h>
#include <string.h>

// GCC and Clang (native and MinGW): the hot path is inlined into one loop.
#define JC_INLINE inline __attribute__((always_inline))
#define JC_UNLIKELY(x) __builtin_expect(!!(x), 0)

namespace {

// Values too large for any output position; they fail every bound check.
const uint32_t jc_huge_gamma = 0x80000000u;
const uint32_t jc_huge_bits = 0xFFFFFFFFu;

JC_INLINE uint32_t jc_load_le32(const unsigned char* p) {
  return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

// x is never 0 here.
JC_INLINE unsigned jc_count_trailing_zeros(uint32_t x) { return (unsigned)__builtin_ctz(x); }
JC_INLINE unsigned jc_count_leading_zeros(uint32_t x) { return (unsigned)__builtin_clz(x); }

// The bit buffer holds the unread bits of the current word on top of a 1 sentinel bit.
// After the end of the input it yields zero bits and records the overrun.
struct jc_bits {
  const unsigned char* next;
  const unsigned char* end;
  uint32_t buffer;
  bool overrun;

  JC_INLINE uint32_t load_word() {
    if (JC_UNLIKELY(end - next < 4)) {
      overrun = true;
      return 0;
    }
    uint32_t word = jc_load_le32(next);
    next += 4;
    return word;
  }

  JC_INLINE uint32_t bit() {
    uint32_t result = buffer >> 31;
    buffer <<= 1;
    if (JC_UNLIKELY(buffer == 0)) {
      uint32_t word = load_word();
      result = word >> 31;
      buffer = (word << 1) | 1u;
    }
    return result;
  }

  // n in 1..24: takes the bits left above the sentinel and, if short, the top of the next word.
  JC_INLINE uint32_t bits(unsigned n) {
    unsigned available = 31 - jc_count_trailing_zeros(buffer);
    if (n <= available) {
      uint32_t value = buffer >> (32 - n);
      buffer <<= n;
      return value;
    }
    uint32_t value = (buffer >> 1) >> (31 - available);
    unsigned needed = n - available;
    uint32_t word = load_word();
    value = (value << needed) | (word >> (32 - needed));
    buffer = (word << needed) | (1u << (needed - 1));
    return value;
  }

  // n in 1..63; values that do not fit in 31 bits come back as jc_huge_bits.
  JC_INLINE uint32_t wide_bits(unsigned n) {
    bool huge = false;
    while (n > 31) {
      unsigned part = n - 31 > 24 ? 24 : n - 31;
      huge |= bits(part) != 0;
      n -= part;
    }
    uint32_t value = 0;
    if (n > 24) {
      value = bits(n - 24) << 24;
      n = 24;
    }
    value |= bits(n);
    return huge ? jc_huge_bits : value;
  }

  // Token prefixes 1, 01, 001 and 000 as 0, 1, 2 and 3: the zeros before the first 1, at most 3.
  JC_INLINE unsigned token_prefix() {
    if (JC_UNLIKELY((buffer & 0x1FFFFFFFu) == 0)) return token_prefix_bit_by_bit();
    unsigned zeros = jc_count_leading_zeros(buffer | 0x1FFFFFFFu);
    buffer <<= zeros + (zeros < 3);
    return zeros;
  }

  JC_INLINE unsigned token_prefix_bit_by_bit() {
    unsigned zeros = 0;
    while (zeros < 3 && !bit()) ++zeros;
    return zeros;
  }

  // Elias gamma: data bits, each followed by a continue bit. When the whole code lies above
  // the sentinel, its first 0 continue bit ends it and its data bits are gathered at once.
  JC_INLINE uint32_t gamma() {
    uint32_t sentinel = buffer & (0u - buffer);
    uint32_t unread = ~(sentinel | (sentinel - 1));
    uint32_t stops = ~buffer & 0x55555555u & unread;
    if (JC_UNLIKELY(stops == 0)) return gamma_bit_by_bit();
    unsigned used = 1 + jc_count_leading_zeros(stops);
    unsigned digits = used / 2;
    uint32_t data = (buffer >> 1) & 0x55555555u;
    data = (data | (data >> 1)) & 0x33333333u;
    data = (data | (data >> 2)) & 0x0F0F0F0Fu;
    data = (data | (data >> 4)) & 0x00FF00FFu;
    data = (data | (data >> 8)) & 0x0000FFFFu;
    buffer <<= used;
    return (1u << digits) | (data >> (16 - digits));
  }

  // Saturates at jc_huge_gamma.
  JC_INLINE uint32_t gamma_bit_by_bit() {
    uint32_t value = 1;
    do {
      if (JC_UNLIKELY(value >= 0x40000000u)) return saturate_gamma();
      value = (value << 1) | bit();
    } while (bit());
    return value;
  }

  JC_INLINE uint32_t saturate_gamma() {
    do bit(); while (bit());
    return jc_huge_gamma;
  }
};

struct jc_output {
  unsigned char* start;
  unsigned char* pos;
  unsigned char* end;
};

// Added to a normal match's coded length, by offset.
// 4 below 0x80, 0 below 0x27F, 1 below 0x37FF, 2 below 0x10000, 3 from there on.
JC_INLINE uint32_t jc_length_adjustment(uint32_t offset) {
  return (uint32_t)(offset < 0x80) * 4 + (offset >= 0x27F) + (offset >= 0x37FF) + (offset >= 0x10000);
}

JC_INLINE jc_status jc_check_copy(const jc_bits& in, const jc_output& out, uint32_t offset, uint32_t length) {
  if (JC_UNLIKELY(in.overrun)) return JC_TRUNCATED;
  if (JC_UNLIKELY(offset > (size_t)(out.pos - out.start))) return JC_OFFSET_BEFORE_START;
  if (JC_UNLIKELY(length > (size_t)(out.end - out.pos))) return JC_OUTPUT_OVERFLOW;
  return JC_OK;
}

// Blocks of c bytes, c no larger than the offset, read only bytes already final, so copying
// them in order gives the same bytes as copying byte after byte.

// The last block may pass the end of the match: the c bytes behind the end are saved first
// and put back after, so the destination ends exactly as after a byte-by-byte copy.
template <unsigned c>
JC_INLINE void jc_copy_blocks_restoring(unsigned char* to, const unsigned char* from, uint32_t length) {
  unsigned char saved[c];
  memcpy(saved, to + length, c);
  for (uint32_t i = 0; i < length; i += c) memcpy(to + i, from + i, c);
  memcpy(to + length, saved, c);
}

// Offsets 1 to 3: the first 8 bytes taken from the period's bytes before the match, then
// blocks of 8 from a multiple of the period at least 8 bytes back, which holds the same bytes.
// Bytes behind the end are put back as above.
template <unsigned period>
JC_INLINE void jc_copy_short_period_restoring(unsigned char* to, uint32_t length) {
  const unsigned char* from = to - period;
  const unsigned distance = period == 3 ? 9 : 8;
  unsigned char saved[8], head[8];
  memcpy(saved, to + length, 8);
  for (unsigned i = 0; i < 8; ++i) head[i] = from[i % period];
  memcpy(to, head, 8);
  for (uint32_t i = 8; i < length; i += 8) memcpy(to + i, to + i - distance, 8);
  memcpy(to + length, saved, 8);
}

// Near the end of the destination: a last block that would pass the end is moved back to end
// there, rewriting a few bytes with the values they already hold.
template <unsigned c>
JC_INLINE void jc_copy_blocks(unsigned char* to, const unsigned char* from, uint32_t length) {
  unsigned char* end = to + length;
  for (; (uint32_t)(end - to) >= c; to += c, from += c) memcpy(to, from, c);
  if (to != end) memcpy(end - c, from - (to - (end - c)), c);
}

JC_INLINE void jc_copy_match(jc_output& out, uint32_t offset, uint32_t length) {
  unsigned char* to = out.pos;
  const unsigned char* from = to - offset;
  out.pos += length;
  if ((size_t)(out.end - to) - length >= 8 && offset != 0) {
    if (offset >= 8)
      jc_copy_blocks_restoring<8>(to, from, length);
    else if (offset >= 4)
      jc_copy_blocks_restoring<4>(to, from, length);
    else if (offset == 1)
      jc_copy_short_period_restoring<1>(to, length);
    else if (offset == 2)
      jc_copy_short_period_restoring<2>(to, length);
    else
      jc_copy_short_period_restoring<3>(to, length);
  } else if (offset >= 8 && length >= 8) {
    jc_copy_blocks<8>(to, from, length);
  } else if (offset >= 4 && length >= 4) {
    jc_copy_blocks<4>(to, from, length);
  } else if (offset >= 2 && length >= 2) {
    jc_copy_blocks<2>(to, from, length);
  } else if (offset == 1) {
    memset(to, *from, length);
  } else {
    while (length--) *to++ = *from++;
  }
}

JC_INLINE jc_status jc_match(jc_bits& in, jc_output& out, uint32_t offset, uint32_t length) {
  jc_status status = jc_check_copy(in, out, offset, length);
  if (status == JC_OK) jc_copy_match(out, offset, length);
  return status;
}

JC_INLINE jc_status jc_put(jc_bits& in, jc_output& out, unsigned char byte) {
  if (JC_UNLIKELY(in.overrun)) return JC_TRUNCATED;
  if (JC_UNLIKELY(out.pos == out.end)) return JC_OUTPUT_OVERFLOW;
  *out.pos++ = byte;
  return JC_OK;
}

struct jc_decoder {
  jc_bits in;
  jc_output out;
  uint32_t last_offset;
  unsigned index_width;
  unsigned literal_width;  // 0 until the stream sets it
  unsigned literal_offset;
  uint32_t whole_literal_mask;  // bits below a whole literal's flag and value; 0 until the width is set

  JC_INLINE jc_status literal() {
    if (JC_UNLIKELY(literal_width == 0)) return JC_NO_LITERAL_WIDTH;
    return jc_put(in, out, (unsigned char)(in.bits(literal_width) + literal_offset));
  }

  // Offset d = ((g - 3) << index width) | index bits, kept exact up to the bounds.
  JC_INLINE jc_status normal_match(uint32_t g) {
    uint32_t index = index_width <= 24 ? in.bits(index_width) : in.wide_bits(index_width);
    if (JC_UNLIKELY(in.overrun)) return JC_TRUNCATED;
    uint32_t high = g - 3;
    size_t written = (size_t)(out.pos - out.start);
    if (index_width >= 32 ? high != 0 : high > (written >> index_width)) return JC_OFFSET_BEFORE_START;
    uint32_t offset = index_width >= 32 ? index : (high << index_width) | index;
    if (offset > written) return JC_OFFSET_BEFORE_START;
    last_offset = offset;
    uint32_t length = in.gamma() + jc_length_adjustment(offset);
    return jc_match(in, out, offset, length);
  }

  JC_INLINE jc_status gamma_match() {
    uint32_t g = in.gamma();
    if (g == 2) return jc_match(in, out, last_offset, in.gamma());
    return normal_match(g);
  }

  JC_INLINE jc_status raw_blocks() {
    do {
      if (out.end - out.pos < 256) return in.overrun ? JC_TRUNCATED : JC_OUTPUT_OVERFLOW;
      for (int i = 0; i < 256; ++i) *out.pos++ = (unsigned char)in.bits(8);
      if (in.overrun) return JC_TRUNCATED;
    } while (in.bit());
    return JC_OK;
  }

  JC_INLINE jc_status literal_width_change() {
    literal_width = in.bit() + 7;
    literal_offset = literal_width == 7 ? in.bits(8) : 0;
    whole_literal_mask = (1u << (31 - literal_width)) - 1;
    return in.overrun ? JC_TRUNCATED : JC_OK;
  }

  // A literal whose flag and value both lie above the sentinel, read in one go.
  JC_INLINE bool whole_literal_ahead() const { return (int32_t)in.buffer < 0 && (in.buffer & whole_literal_mask) != 0; }

  JC_INLINE jc_status whole_literal() {
    if (JC_UNLIKELY(out.pos == out.end)) return JC_OUTPUT_OVERFLOW;
    *out.pos++ = (unsigned char)(((in.buffer << 1) >> (32 - literal_width)) + literal_offset);
    in.buffer <<= literal_width + 1;
    return JC_OK;
  }

  JC_INLINE jc_status single_byte() {
    uint32_t v = in.bits(4);
    if (v == 1) return jc_put(in, out, 0);
    if (v >= 2) return jc_match(in, out, v - 1, 1);
    return in.bit() ? raw_blocks() : literal_width_change();
  }

  // Short match, index-width change or end marker; *done is set at the end marker.
  JC_INLINE jc_status short_token(bool* done) {
    uint32_t v = in.bits(9);
    uint32_t o = v >> 2, k = v & 3;
    if (o != 0) {
      last_offset = o;
      return jc_match(in, out, o, k + 2);
    }
    if (k == 0) {
      *done = true;
      return in.overrun ? JC_TRUNCATED : JC_OK;
    }
    index_width = in.bits(k + 3);
    if (in.overrun) return JC_TRUNCATED;
    return index_width == 0 ? JC_ZERO_INDEX_WIDTH : JC_OK;
  }

  JC_INLINE jc_status run() {
    bool done = false;
    jc_status status = JC_OK;
    while (status == JC_OK && !done) {
      if (whole_literal_ahead()) {
        status = whole_literal();
        continue;
      }
      switch (in.token_prefix()) {
        case 0: status = literal(); break;
        case 1: status = gamma_match(); break;
        case 2: status = single_byte(); break;
        default: status = short_token(&done); break;
      }
    }
    return status;
  }
};

JC_INLINE uint32_t jc_checksum_step(uint32_t sum, uint32_t word) {
  sum += word;
  return sum ^ (((word << 1) | (word >> 31)) + 1u);
}

}  // namespace

extern "C" uint32_t jc_checksum(const unsigned char* data, size_t size) {
  uint32_t sum = 0;
  if (size < 4) return 0;
  size_t i = 0;
  for (; size - i >= 4; i += 4) sum = jc_checksum_step(sum, jc_load_le32(data + i));
  if (i != size) sum = jc_checksum_step(sum, jc_load_le32(data + size - 4));
  return sum;
}

extern "C" jc_status jc_decode_status(const unsigned char* src, size_t src_size, unsigned char* dst,
                                      size_t dst_capacity, size_t* written) {
  if (written) *written = 0;
  if (!src || !dst) return JC_BAD_ARGUMENT;
  if (src_size < 2 || src[0] != 0x4A || src[1] != 0x43) return JC_BAD_MAGIC;
  if (src_size < JC_HEADER_SIZE) return JC_TRUNCATED;
  size_t capacity = dst_capacity > (size_t)INT_MAX ? (size_t)INT_MAX : dst_capacity;
  uint32_t unpacked_size = jc_load_le32(src + 2);
  uint32_t stored_checksum = jc_load_le32(src + 6);
  if (unpacked_size > capacity) return JC_SIZE_OVER_CAPACITY;

  jc_decoder decoder = {{src + JC_HEADER_SIZE, src + src_size, 0x80000000u, false},
                        {dst, dst, dst + capacity}, 1, 8, 0, 0, 0};
  jc_status status = decoder.run();
  if (status != JC_OK) return status;
  if (stored_checksum != 0 && jc_checksum(dst, unpacked_size) != stored_checksum) return JC_CHECKSUM_MISMATCH;
  if (written) *written = (size_t)(decoder.out.pos - dst);
  return JC_OK;
}

extern "C" int jc_decode(const unsigned char* src, size_t src_size, unsigned char* dst, size_t dst_capacity) {
  size_t written = 0;
  return jc_decode_status(src, src_size, dst, dst_capacity, &written) == JC_OK ? (int)written : 0;
}

extern "C" const char* jc_status_text(jc_status status) {
  static const char* const texts[] = {
      "ok",
      "null stream or destination",
      "no JC magic",
      "unpacked size larger than the destination",
      "stream truncated",
      "output larger than the destination",
      "match offset before the start of the output",
      "literal before any literal-width change",
      "index width of 0",
      "checksum mismatch",
  };
  unsigned index = (unsigned)status;
  return index < sizeof texts / sizeof texts[0] ? texts[index] : "unknown status";
}
