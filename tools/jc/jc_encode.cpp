// Encoder driver: finds matches once, then searches the index width and the literal modes.
#include "jc_encode.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "jc_cost.h"
#include "jc_emit.h"
#include "jc_literal_modes.h"
#include "jc_match_finder.h"
#include "jc_parse.h"

namespace {

struct jc_candidate {
  jc_parse_options options;
  jc_parse_result parse;
  std::vector<unsigned char> stream;
};

const unsigned jc_max_index_width = 24;

// Offset bits of the parse's normal matches if they were coded with another index width.
uint64_t jc_offset_bits_at_width(const jc_parse_result& parse, unsigned width) {
  uint64_t bits = width == jc_cost::default_index_width ? 0 : jc_cost::index_width_change_bits(width);
  for (const jc_token& t : parse.tokens)
    if (t.kind == jc_token_kind::normal_match) bits += jc_cost::normal_offset_bits(t.offset, width);
  return bits;
}

unsigned jc_estimate_index_width(const jc_parse_result& parse) {
  unsigned best = jc_cost::default_index_width;
  for (unsigned width = 1; width <= jc_max_index_width; ++width)
    if (jc_offset_bits_at_width(parse, width) < jc_offset_bits_at_width(parse, best)) best = width;
  return best;
}

// Quick parses (one state per literal mode) settle the index width; the final parse keeps
// more states per position and the literal modes that suit the best quick parse.
class jc_encoder {
 public:
  jc_encoder(const unsigned char* data, size_t size) : data_(data), size_(size), matches_(data, size) {}

  std::vector<unsigned char> encode() {
    try_index_widths();
    jc_parse_options final_options = best_.options;
    final_options.last_offset_slots = final_slots;
    final_options.literal_modes = jc_choose_literal_modes(data_, size_, jc_literal_positions(best_.parse));
    keep_smaller(try_options(final_options));
    return std::move(best_.stream);
  }

 private:
  // The default width, then the width that would have coded its offsets best, and its neighbours.
  void try_index_widths() {
    jc_parse_options quick;
    quick.literal_modes = jc_default_literal_modes();
    quick.last_offset_slots = 1;
    best_ = try_options(quick);
    unsigned estimate = jc_estimate_index_width(best_.parse);
    unsigned last = std::min(estimate + 1, jc_max_index_width);
    for (unsigned width = estimate > 1 ? estimate - 1 : 1; width <= last; ++width) {
      if (width == quick.index_width) continue;
      jc_parse_options options = quick;
      options.index_width = width;
      keep_smaller(try_options(options));
    }
  }

  jc_candidate try_options(const jc_parse_options& options) {
    jc_parse_result parse = jc_parse(data_, size_, matches_, options);
    std::vector<unsigned char> stream = jc_emit(data_, size_, parse);
    return {options, std::move(parse), std::move(stream)};
  }

  void keep_smaller(jc_candidate&& candidate) {
    if (candidate.stream.size() < best_.stream.size()) best_ = std::move(candidate);
  }

  static const unsigned final_slots = 4;

  const unsigned char* data_;
  size_t size_;
  jc_match_table matches_;
  jc_candidate best_;
};

}  // namespace

std::vector<unsigned char> jc_encode(const unsigned char* data, size_t size) {
  if (size > (size_t)INT_MAX) throw std::length_error("input larger than a JC stream can hold");
  static const unsigned char nothing = 0;
  return jc_encoder(size ? data : &nothing, size).encode();
}
