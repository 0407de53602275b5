// Bit writer of the JC encoder: MSB-first bits packed into 32-bit little-endian words.
#ifndef JC_BIT_WRITER_H
#define JC_BIT_WRITER_H

#include <cstdint>
#include <vector>

class jc_bit_writer {
 public:
  explicit jc_bit_writer(std::vector<unsigned char>& out) : out_(out) {}

  // The low n bits of value (n in 1..32), most significant first.
  void put(uint32_t value, unsigned n) {
    for (unsigned i = n; i-- > 0;) put_bit((value >> i) & 1u);
  }

  // Gamma code of value >= 2: each digit after the leading 1, then 1 if more follow.
  void put_gamma(uint32_t value) {
    unsigned digits = 31 - (unsigned)__builtin_clz(value);
    for (unsigned i = digits; i-- > 0;) {
      put_bit((value >> i) & 1u);
      put_bit(i > 0);
    }
  }

  // Pads the last word with zero bits.
  void finish() {
    if (used_ > 0) put(0, 32 - used_);
  }

 private:
  void put_bit(uint32_t bit) {
    word_ = (word_ << 1) | bit;
    if (++used_ == 32) {
      for (int shift = 0; shift < 32; shift += 8) out_.push_back((unsigned char)(word_ >> shift));
      word_ = 0;
      used_ = 0;
    }
  }

  std::vector<unsigned char>& out_;
  uint32_t word_ = 0;
  unsigned used_ = 0;
};

#endif
