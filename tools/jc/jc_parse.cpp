// Forward dynamic programming over positions, literal modes and last offsets, with exact bit costs.
#include "jc_parse.h"

#include <algorithm>
#include <cstdint>

#include "jc_cost.h"

namespace {

const uint32_t jc_unreached = UINT32_MAX;

struct jc_node {
  uint32_t cost = jc_unreached;
  uint32_t last_offset = 1;  // for repeat matches after this node
  uint32_t offset = 0;       // the token that reaches this node
  uint32_t length = 0;
  uint8_t from_state = 0;
  jc_token_kind kind = jc_token_kind::literal;
};

struct jc_edge {
  uint32_t length;
  uint32_t bits;
  uint32_t offset;
  jc_token_kind kind;
};

// A state is a literal mode and a slot. Mode 0 is the state before any literal-width change;
// mode k codes literals in literal_modes[k - 1]. The slots of a mode hold the cheapest paths
// with distinct last offsets, since a dearer path may pay for itself with a repeat match.
class jc_parser {
 public:
  jc_parser(const unsigned char* data, size_t size, const jc_match_table& matches, const jc_parse_options& options)
      : data_(data), size_(size), matches_(matches), options_(options),
        mode_count_(1 + (unsigned)options.literal_modes.size()), slot_count_(options.last_offset_slots),
        state_count_(mode_count_ * slot_count_), nodes_((size + 1) * state_count_),
        dearest_slot_cost_((size + 1) * mode_count_, jc_unreached) {
    node(0, 0).cost = 0;
  }

  jc_parse_result run() {
    for (size_t pos = 0; pos < size_; ++pos) {
      find_best_states(pos);
      relax_literals(pos);
      collect_edges(pos);
      for (unsigned mode = 0; mode < mode_count_; ++mode) {
        unsigned best = best_of_mode_[mode];
        if (worth_extending(pos, best)) relax_offset_edges(pos, best);
      }
      for (unsigned state = 0; state < state_count_; ++state)
        if (worth_extending(pos, state) && !outdone_by_best_of_mode(pos, state)) relax_offset_keeping_edges(pos, state);
    }
    return backtrack();
  }

 private:
  jc_node& node(size_t pos, unsigned state) { return nodes_[pos * state_count_ + state]; }

  unsigned mode_of(unsigned state) const { return state / slot_count_; }

  const jc_literal_mode& literal_mode(unsigned mode) const { return options_.literal_modes[mode - 1]; }

  uint32_t switch_bits(unsigned mode) const { return jc_cost::literal_width_change_bits(literal_mode(mode).width); }

  void find_best_states(size_t pos) {
    best_state_ = 0;
    for (unsigned mode = 0; mode < mode_count_; ++mode) {
      unsigned first = mode * slot_count_, best = first;
      for (unsigned state = first + 1; state < first + slot_count_; ++state)
        if (node(pos, state).cost < node(pos, best).cost) best = state;
      best_of_mode_[mode] = best;
      if (node(pos, best).cost < node(pos, best_state_).cost) best_state_ = best;
    }
  }

  // A state that costs more than switching from the best state is never needed, but for
  // its last offset; it is dropped.
  bool worth_extending(size_t pos, unsigned state) {
    const jc_node& n = node(pos, state);
    if (n.cost == jc_unreached) return false;
    unsigned mode = mode_of(state);
    if (mode == 0 || mode == mode_of(best_state_)) return true;
    return n.cost < node(pos, best_state_).cost + switch_bits(mode);
  }

  // A slot whose last offset saves less than it costs over the mode's best slot: a path that
  // goes on from it does no better from the best slot, with its first repeat match made a
  // normal or short match.
  bool outdone_by_best_of_mode(size_t pos, unsigned state) {
    unsigned best = best_of_mode_[mode_of(state)];
    if (state == best) return false;
    const jc_node& n = node(pos, state);
    uint32_t offset_bits = jc_cost::normal_offset_bits(n.last_offset, options_.index_width);
    uint32_t most_saved = std::max<uint32_t>(offset_bits - jc_cost::repeat_match_bits(2) + jc_cost::gamma_bits(2),
                                             jc_cost::short_match_bits - jc_cost::repeat_match_bits(2));
    return n.cost >= node(pos, best).cost + most_saved;
  }

  // Into the slot with the same last offset, or else the dearest slot of the mode.
  void relax(size_t pos, unsigned mode, uint32_t cost, unsigned from_state, const jc_edge& edge, uint32_t last_offset) {
    uint32_t& dearest = dearest_slot_cost_[pos * mode_count_ + mode];
    if (cost >= dearest) return;
    jc_node* slots = &node(pos, mode * slot_count_);
    jc_node* target = slots;
    for (unsigned slot = 0; slot < slot_count_; ++slot) {
      if (slots[slot].last_offset == last_offset && slots[slot].cost != jc_unreached) {
        target = &slots[slot];
        break;
      }
      if (slots[slot].cost > target->cost) target = &slots[slot];
    }
    if (cost >= target->cost) return;
    target->cost = cost;
    target->last_offset = last_offset;
    target->offset = edge.offset;
    target->length = edge.length;
    target->from_state = (uint8_t)from_state;
    target->kind = edge.kind;
    dearest = 0;
    for (unsigned slot = 0; slot < slot_count_; ++slot) dearest = std::max(dearest, slots[slot].cost);
  }

  // A literal stays in its state's mode, or switches to any mode first.
  void relax_literals(size_t pos) {
    unsigned char byte = data_[pos];
    for (unsigned mode = 1; mode < mode_count_; ++mode) {
      if (!literal_mode(mode).holds(byte)) continue;
      uint32_t bits = jc_cost::literal_bits(literal_mode(mode).width);
      jc_edge edge = {1, bits, 0, jc_token_kind::literal};
      for (unsigned state = mode * slot_count_; state < (mode + 1) * slot_count_; ++state) {
        const jc_node& same = node(pos, state);
        if (same.cost != jc_unreached) relax(pos + 1, mode, same.cost + bits, state, edge, same.last_offset);
      }
      unsigned best_mode = mode_of(best_state_);
      for (unsigned state = best_mode * slot_count_; state < (best_mode + 1) * slot_count_; ++state) {
        const jc_node& from = node(pos, state);
        if (from.cost != jc_unreached)
          relax(pos + 1, mode, from.cost + switch_bits(mode) + bits, state, edge, from.last_offset);
      }
    }
  }

  void collect_edges(size_t pos) {
    offset_edges_.clear();
    add_short_edges(pos);
    add_normal_edges(pos);
    single_byte_edge_ = find_single_byte_edge(pos);
  }

  jc_edge find_single_byte_edge(size_t pos) const {
    if (data_[pos] == 0) return {1, jc_cost::single_byte_bits, 0, jc_token_kind::zero_byte};
    size_t max_offset = std::min<size_t>(jc_cost::max_byte_copy_offset, pos);
    for (uint32_t offset = 1; offset <= max_offset; ++offset)
      if (data_[pos - offset] == data_[pos]) return {1, jc_cost::single_byte_bits, offset, jc_token_kind::byte_copy};
    return {0, 0, 0, jc_token_kind::byte_copy};
  }

  // For each length 2..5 the nearest match within 127 bytes that reaches it.
  void add_short_edges(size_t pos) {
    uint32_t length = jc_cost::min_short_length;
    for (const jc_match* m = matches_.begin(pos); m != matches_.end(pos); ++m) {
      if (m->offset > jc_cost::max_short_offset) break;
      for (; length <= std::min(m->length, jc_cost::max_short_length); ++length)
        offset_edges_.push_back({length, jc_cost::short_match_bits, m->offset, jc_token_kind::short_match});
    }
  }

  // Lengths that a farther match shares with a nearer one are only worth listing when the
  // farther offset adds more to the length.
  void add_normal_edges(size_t pos) {
    uint32_t covered = 1, covered_adjustment = UINT32_MAX;
    unsigned width = options_.index_width;
    for (const jc_match* m = matches_.begin(pos); m != matches_.end(pos); ++m) {
      uint32_t adjustment = jc_cost::length_adjustment(m->offset);
      uint32_t first = covered_adjustment != UINT32_MAX && adjustment > covered_adjustment ? 1 : covered + 1;
      first = std::max(first, jc_cost::min_normal_length(m->offset));
      unsigned offset_bits = jc_cost::normal_offset_bits(m->offset, width);
      for_each_length(first, m->length, [&](uint32_t length) {
        offset_edges_.push_back({length, offset_bits + jc_cost::gamma_bits(length - adjustment), m->offset,
                                 jc_token_kind::normal_match});
      });
      covered = m->length;
      covered_adjustment = adjustment;
    }
  }

  template <class F>
  void for_each_length(uint32_t first, uint32_t last, F add) {
    uint32_t listed_end = std::min(last, options_.max_listed_length);
    for (uint32_t length = first; length <= listed_end; ++length) add(length);
    if (last > listed_end && last >= first) add(last);
  }

  // Edges that set the last offset leave nothing of their start state but its mode.
  void relax_offset_edges(size_t pos, unsigned state) {
    uint32_t cost = node(pos, state).cost;
    unsigned mode = mode_of(state);
    for (const jc_edge& edge : offset_edges_) relax(pos + edge.length, mode, cost + edge.bits, state, edge, edge.offset);
  }

  void relax_offset_keeping_edges(size_t pos, unsigned state) {
    const jc_node& from = node(pos, state);
    uint32_t cost = from.cost, last_offset = from.last_offset;
    unsigned mode = mode_of(state);
    if (single_byte_edge_.length)
      relax(pos + 1, mode, cost + single_byte_edge_.bits, state, single_byte_edge_, last_offset);
    relax_repeats(pos, state, cost, last_offset);
    if (size_ - pos >= 256) {
      uint32_t bits = from.kind == jc_token_kind::raw_block && pos > 0 ? jc_cost::raw_next_block_bits
                                                                      : jc_cost::raw_first_block_bits;
      relax(pos + 256, mode, cost + bits, state, {256, bits, 0, jc_token_kind::raw_block}, last_offset);
    }
  }

  void relax_repeats(size_t pos, unsigned state, uint32_t cost, uint32_t offset) {
    if (offset == 0 || offset > pos) return;
    uint32_t longest = repeat_length(pos, offset);
    if (longest < jc_cost::min_gamma) return;
    unsigned mode = mode_of(state);
    for_each_length(jc_cost::min_gamma, longest, [&](uint32_t length) {
      uint32_t bits = jc_cost::repeat_match_bits(length);
      relax(pos + length, mode, cost + bits, state, {length, bits, offset, jc_token_kind::repeat_match}, offset);
    });
  }

  uint32_t repeat_length(size_t pos, uint32_t offset) const {
    for (const jc_match* m = matches_.begin(pos); m != matches_.end(pos); ++m)
      if (m->offset == offset) return m->length;
    const unsigned char* cur = data_ + pos;
    const unsigned char* back = cur - offset;
    uint32_t limit = (uint32_t)std::min<size_t>(size_ - pos, max_compared_repeat);
    uint32_t length = 0;
    while (length < limit && cur[length] == back[length]) ++length;
    return length;
  }

  jc_parse_result backtrack() {
    unsigned state = 0;
    for (unsigned s = 1; s < state_count_; ++s)
      if (node(size_, s).cost < node(size_, state).cost) state = s;
    jc_parse_result result;
    result.index_width = options_.index_width;
    for (size_t pos = size_; pos > 0;) {
      const jc_node& n = node(pos, state);
      jc_literal_mode literal = n.kind == jc_token_kind::literal ? literal_mode(mode_of(state)) : jc_literal_mode{8, 0};
      result.tokens.push_back({n.kind, literal, n.offset, n.length});
      pos -= n.length;
      state = n.from_state;
    }
    std::reverse(result.tokens.begin(), result.tokens.end());
    return result;
  }

  static const uint32_t max_compared_repeat = 4096;
  static const unsigned max_modes = 16;

  const unsigned char* data_;
  size_t size_;
  const jc_match_table& matches_;
  const jc_parse_options& options_;
  unsigned mode_count_;
  unsigned slot_count_;
  unsigned state_count_;
  std::vector<jc_node> nodes_;
  std::vector<uint32_t> dearest_slot_cost_;  // per position and mode: a cost at least this never gets a slot
  std::vector<jc_edge> offset_edges_;
  jc_edge single_byte_edge_ = {};
  unsigned best_state_ = 0;
  unsigned best_of_mode_[max_modes] = {};
};

}  // namespace

jc_parse_result jc_parse(const unsigned char* data, size_t size, const jc_match_table& matches,
                         const jc_parse_options& options) {
  return jc_parser(data, size, matches, options).run();
}
