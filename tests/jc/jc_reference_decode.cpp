// The JC stream format read literally: one bit at a time, wide integers, byte-by-byte copies.
#include "jc_reference_decode.h"

#include <cstdint>

#include "jc_decode.h"

namespace {

struct jc_reference_failure {};

const uint64_t jc_too_big = 1ull << 40;  // beyond any output; wide values saturate here

class jc_reference_decoder {
 public:
  jc_reference_decoder(const unsigned char* src, size_t size, size_t capacity) : src_(src), size_(size), out_(capacity, 0) {}

  std::vector<unsigned char> run() {
    if (size_ < 10 || src_[0] != 'J' || src_[1] != 'C') throw jc_reference_failure();
    uint32_t unpacked = (uint32_t)le32(2), checksum = (uint32_t)le32(6);
    if (unpacked > out_.size()) throw jc_reference_failure();
    while (token()) {
    }
    if (checksum != 0 && jc_checksum(out_.data(), unpacked) != checksum) throw jc_reference_failure();
    out_.resize(written_);
    return out_;
  }

 private:
  uint64_t le32(size_t at) const {
    return src_[at] | src_[at + 1] << 8 | src_[at + 2] << 16 | (uint64_t)src_[at + 3] << 24;
  }

  unsigned bit() {
    unsigned result = buffer_ >> 31;
    buffer_ <<= 1;
    if (buffer_ == 0) {
      if (next_ + 4 > size_) throw jc_reference_failure();
      uint32_t word = (uint32_t)le32(next_);
      next_ += 4;
      result = word >> 31;
      buffer_ = word << 1 | 1;
    }
    return result;
  }

  static uint64_t saturated(uint64_t v) { return v > jc_too_big ? jc_too_big : v; }

  uint64_t bits(unsigned n) {
    uint64_t v = 0;
    while (n--) v = saturated(v * 2 + bit());
    return v;
  }

  uint64_t gamma() {
    uint64_t v = 1;
    do v = saturated(v * 2 + bit());
    while (bit());
    return v;
  }

  void put(unsigned char byte) {
    if (written_ >= out_.size()) throw jc_reference_failure();
    out_[written_++] = byte;
  }

  void copy(uint64_t offset, uint64_t length) {
    if (offset > written_) throw jc_reference_failure();
    while (length--) {
      if (written_ >= out_.size()) throw jc_reference_failure();
      out_[written_] = out_[written_ - offset];
      ++written_;
    }
  }

  static uint64_t adjustment(uint64_t d) {
    if (d < 0x80) return 4;
    if (d < 0x27F) return 0;
    if (d < 0x37FF) return 1;
    if (d < 0x10000) return 2;
    return 3;
  }

  bool token() {
    if (bit()) {
      if (literal_width_ == 0) throw jc_reference_failure();
      put((unsigned char)(bits(literal_width_) + literal_offset_));
    } else if (bit()) {
      match();
    } else if (bit()) {
      single_byte();
    } else {
      unsigned o = (unsigned)bits(7), k = (unsigned)bits(2);
      if (o != 0) {
        last_offset_ = o;
        copy(o, k + 2);
      } else if (k == 0) {
        return false;
      } else if ((index_width_ = (unsigned)bits(k + 3)) == 0) {
        throw jc_reference_failure();
      }
    }
    return true;
  }

  void match() {
    uint64_t g = gamma();
    if (g == 2) {
      copy(last_offset_, gamma());
      return;
    }
    uint64_t index = bits(index_width_);
    uint64_t high = g - 3;
    uint64_t d = index;
    if (high != 0)
      d = index_width_ >= 40 || high >= (jc_too_big >> index_width_) ? jc_too_big : (high << index_width_) | index;
    if (d > written_) throw jc_reference_failure();
    last_offset_ = d;
    copy(d, gamma() + adjustment(d));
  }

  void single_byte() {
    unsigned v = (unsigned)bits(4);
    if (v == 1) {
      put(0);
    } else if (v >= 2) {
      copy(v - 1, 1);
    } else if (bit()) {
      do
        for (int i = 0; i < 256; ++i) put((unsigned char)bits(8));
      while (bit());
    } else {
      literal_width_ = 7 + bit();
      literal_offset_ = literal_width_ == 7 ? (unsigned)bits(8) : 0;
    }
  }

  const unsigned char* src_;
  size_t size_;
  size_t next_ = 10;
  uint32_t buffer_ = 0x80000000u;
  std::vector<unsigned char> out_;
  size_t written_ = 0;
  uint64_t last_offset_ = 1;
  unsigned index_width_ = 8;
  unsigned literal_width_ = 0;
  unsigned literal_offset_ = 0;
};

}  // namespace

std::optional<std::vector<unsigned char>> jc_reference_decode(const unsigned char* src, size_t src_size,
                                                              size_t capacity) {
  try {
    return jc_reference_decoder(src, src_size, capacity).run();
  } catch (const jc_reference_failure&) {
    return std::nullopt;
  }
}
