// JC stream writer: header with checksum, token codes, literal-width changes, end marker.
#include "jc_emit.h"

#include "jc_bit_writer.h"
#include "jc_cost.h"
#include "jc_decode.h"

namespace {

class jc_emitter {
 public:
  jc_emitter(const unsigned char* data, std::vector<unsigned char>& out, unsigned index_width)
      : data_(data), bits_(out), index_width_(index_width) {}

  void index_width_change() {
    unsigned value_bits = jc_cost::index_width_value_bits(index_width_);
    short_code(0, value_bits - 3);
    bits_.put(index_width_, value_bits);
  }

  // Consecutive raw blocks form one sequence, linked by continue bits.
  void token(const jc_token& t, bool raw_follows) {
    switch (t.kind) {
      case jc_token_kind::literal: literal(t.mode, data_[pos_]); break;
      case jc_token_kind::zero_byte: single_byte(1); break;
      case jc_token_kind::byte_copy: single_byte(t.offset + 1); break;
      case jc_token_kind::short_match: short_code(t.offset, t.length - 2); break;
      case jc_token_kind::normal_match: normal_match(t.offset, t.length); break;
      case jc_token_kind::repeat_match: repeat_match(t.length); break;
      case jc_token_kind::raw_block: raw_block(raw_follows); break;
    }
    pos_ += t.length;
  }

  void end() {
    short_code(0, 0);
    bits_.finish();
  }

 private:
  void literal(const jc_literal_mode& mode, unsigned char byte) {
    if (!has_mode_ || mode != mode_) literal_width_change(mode);
    bits_.put(1, 1);
    bits_.put((uint8_t)(byte - mode.offset), mode.width);
  }

  void literal_width_change(const jc_literal_mode& mode) {
    single_byte(0);
    bits_.put(0, 1);
    bits_.put(mode.width - 7, 1);
    if (mode.width == 7) bits_.put(mode.offset, 8);
    mode_ = mode;
    has_mode_ = true;
  }

  void single_byte(unsigned value) {
    bits_.put(1, 3);
    bits_.put(value, 4);
  }

  void short_code(unsigned offset, unsigned k) {
    bits_.put(0, 3);
    bits_.put(offset, 7);
    bits_.put(k, 2);
  }

  void normal_match(uint32_t offset, uint32_t length) {
    bits_.put(1, 2);
    bits_.put_gamma((offset >> index_width_) + 3);
    bits_.put(offset & ((1u << index_width_) - 1), index_width_);
    bits_.put_gamma(length - jc_cost::length_adjustment(offset));
  }

  void repeat_match(uint32_t length) {
    bits_.put(1, 2);
    bits_.put_gamma(2);
    bits_.put_gamma(length);
  }

  void raw_block(bool raw_follows) {
    if (!in_raw_) {
      single_byte(0);
      bits_.put(1, 1);
    }
    for (int i = 0; i < 256; ++i) bits_.put(data_[pos_ + i], 8);
    bits_.put(raw_follows, 1);
    in_raw_ = raw_follows;
  }

  const unsigned char* data_;
  jc_bit_writer bits_;
  unsigned index_width_;
  size_t pos_ = 0;
  jc_literal_mode mode_ = {8, 0};
  bool has_mode_ = false;
  bool in_raw_ = false;
};

void jc_put_le32(std::vector<unsigned char>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back((unsigned char)(value >> shift));
}

}  // namespace

std::vector<unsigned char> jc_emit(const unsigned char* data, size_t size, const jc_parse_result& parse) {
  std::vector<unsigned char> out = {0x4A, 0x43};
  jc_put_le32(out, (uint32_t)size);
  jc_put_le32(out, jc_checksum(data, size));
  jc_emitter emitter(data, out, parse.index_width);
  if (parse.index_width != jc_cost::default_index_width) emitter.index_width_change();
  for (size_t i = 0; i < parse.tokens.size(); ++i) {
    bool raw_follows = i + 1 < parse.tokens.size() && parse.tokens[i + 1].kind == jc_token_kind::raw_block;
    emitter.token(parse.tokens[i], raw_follows);
  }
  emitter.end();
  return out;
}
