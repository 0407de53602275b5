// Picks width-7 literal offsets greedily by how many of a parse's literals they cover.
#include "jc_literal_modes.h"

#include <array>

namespace {

const size_t jc_max_width7_modes = 4;

}  // namespace

std::vector<jc_literal_mode> jc_default_literal_modes() { return {{8, 0}, {7, 0}}; }

std::vector<uint32_t> jc_literal_positions(const jc_parse_result& parse) {
  std::vector<uint32_t> positions;
  uint32_t pos = 0;
  for (const jc_token& t : parse.tokens) {
    if (t.kind == jc_token_kind::literal) positions.push_back(pos);
    pos += t.length;
  }
  return positions;
}

std::vector<jc_literal_mode> jc_choose_literal_modes(const unsigned char* data, size_t size,
                                                     const std::vector<uint32_t>& literal_positions) {
  std::array<size_t, 256> uncovered{};
  for (uint32_t pos : literal_positions)
    if (pos < size) ++uncovered[data[pos]];
  std::vector<jc_literal_mode> modes = {{8, 0}};
  while (modes.size() <= jc_max_width7_modes) {
    size_t best_count = 0;
    unsigned best_offset = 0;
    for (unsigned offset = 0; offset < 256; ++offset) {
      size_t count = 0;
      for (unsigned v = 0; v < 128; ++v) count += uncovered[(offset + v) & 255];
      if (count > best_count) {
        best_count = count;
        best_offset = offset;
      }
    }
    if (best_count == 0) break;
    modes.push_back({7, (uint8_t)best_offset});
    for (unsigned v = 0; v < 128; ++v) uncovered[(best_offset + v) & 255] = 0;
  }
  return modes;
}
