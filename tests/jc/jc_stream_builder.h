// Test fixture: writes JC streams token by token, independently of the encoder.
#ifndef JC_STREAM_BUILDER_H
#define JC_STREAM_BUILDER_H

#include <cstdint>
#include <vector>

using jc_bytes = std::vector<unsigned char>;

class jc_stream_builder {
 public:
  // The low n bits of value, most significant first.
  jc_stream_builder& bits(uint64_t value, unsigned n) {
    while (n-- > 0) bits_.push_back((value >> n) & 1);
    return *this;
  }

  jc_stream_builder& gamma(uint64_t value) {
    unsigned digits = 0;
    while ((value >> (digits + 1)) != 0) ++digits;
    while (digits-- > 0) bits((value >> digits) & 1, 1).bits(digits > 0, 1);
    return *this;
  }

  jc_stream_builder& literal_width(unsigned width, unsigned offset = 0) {
    bits(0b0010000, 7).bits(0, 1).bits(width - 7, 1);
    if (width == 7) bits(offset, 8);
    width_ = width;
    return *this;
  }

  // The coded value, in the width set last.
  jc_stream_builder& literal(unsigned value) { return bits(1, 1).bits(value, width_); }

  jc_stream_builder& literals(const char* text) {
    while (*text) literal((unsigned char)*text++);
    return *this;
  }

  jc_stream_builder& zero_byte() { return bits(0b0010001, 7); }

  jc_stream_builder& byte_copy(unsigned offset) { return bits(0b001, 3).bits(offset + 1, 4); }

  jc_stream_builder& short_match(unsigned offset, unsigned length) {
    return bits(0b000, 3).bits(offset, 7).bits(length - 2, 2);
  }

  // Fields as coded: g >= 3, the index bits, and the gamma length before adjustment.
  jc_stream_builder& normal_match(uint64_t g, uint64_t index, uint64_t coded_length) {
    return bits(0b01, 2).gamma(g).bits(index, index_width_).gamma(coded_length);
  }

  // Offset split by the current index width.
  jc_stream_builder& normal_match_at(uint32_t offset, uint64_t coded_length) {
    return normal_match(((uint64_t)offset >> index_width_) + 3, offset & ((1ull << index_width_) - 1), coded_length);
  }

  jc_stream_builder& repeat_match(uint64_t length) { return bits(0b01, 2).gamma(2).gamma(length); }

  // k = 1, 2 or 3 gives a width of 4, 5 or 6 bits.
  jc_stream_builder& index_width(unsigned k, unsigned width) {
    bits(0, 3).bits(0, 7).bits(k, 2).bits(width, k + 3);
    index_width_ = width;
    return *this;
  }

  // Bytes in whole blocks of 256, linked by continue bits.
  jc_stream_builder& raw_blocks(const jc_bytes& bytes) {
    bits(0b0010000, 7).bits(1, 1);
    for (size_t i = 0; i < bytes.size(); ++i) {
      bits(bytes[i], 8);
      if (i % 256 == 255) bits(i + 1 < bytes.size(), 1);
    }
    return *this;
  }

  jc_stream_builder& end() { return bits(0, 12); }

  // Header, then the bits padded with zeros to whole little-endian words.
  jc_bytes stream(uint32_t unpacked_size, uint32_t checksum) const {
    jc_bytes out = {0x4A, 0x43};
    put_le32(out, unpacked_size);
    put_le32(out, checksum);
    for (size_t word = 0; word * 32 < bits_.size(); ++word) {
      uint32_t value = 0;
      for (size_t i = 0; i < 32; ++i) {
        size_t at = word * 32 + i;
        value = value << 1 | (at < bits_.size() ? bits_[at] : 0);
      }
      put_le32(out, value);
    }
    return out;
  }

  jc_bytes unchecked_stream() const { return stream(0, 0); }

 private:
  static void put_le32(jc_bytes& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back((unsigned char)(v >> shift));
  }

  std::vector<uint8_t> bits_;
  unsigned width_ = 8;
  unsigned index_width_ = 8;
};

#endif
