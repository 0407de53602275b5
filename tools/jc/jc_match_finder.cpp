// Binary-tree match finder over the whole input, keyed by the first two bytes.
#include "jc_match_finder.h"

#include <algorithm>

namespace {

const uint32_t jc_no_node = UINT32_MAX;

// Each position is a node of a binary search tree of suffixes (one tree per two-byte key),
// newest at the root. Searching for the new suffix re-roots the tree at it, as in LZMA's bt.
class jc_suffix_tree {
 public:
  jc_suffix_tree(const unsigned char* data, size_t size, const jc_match_finder_options& options)
      : data_(data), size_(size), options_(options), children_(2 * size, jc_no_node), heads_(1 << 16, jc_no_node) {}

  // Appends to out the matches of pos by growing length; inserts pos.
  void find_and_insert(uint32_t pos, std::vector<jc_match>& out) {
    const unsigned char* cur = data_ + pos;
    uint32_t limit = (uint32_t)std::min<size_t>(options_.nice_length, size_ - pos);
    uint32_t& head = heads_[cur[0] << 8 | cur[1]];
    uint32_t candidate = head;
    head = pos;
    uint32_t* smaller_slot = &children_[2 * pos];
    uint32_t* greater_slot = &children_[2 * pos + 1];
    uint32_t smaller_length = 0, greater_length = 0, best = 1;
    for (uint32_t depth = options_.max_depth;; --depth) {
      if (candidate == jc_no_node || depth == 0) {
        *smaller_slot = *greater_slot = jc_no_node;
        return;
      }
      const unsigned char* other = data_ + candidate;
      uint32_t length = std::min(smaller_length, greater_length);
      while (length < limit && other[length] == cur[length]) ++length;
      if (length > best) {
        best = length;
        out.push_back({length, pos - candidate});
      }
      uint32_t* pair = &children_[2 * candidate];
      if (length == limit) {
        *smaller_slot = pair[0];
        *greater_slot = pair[1];
        return;
      }
      if (other[length] < cur[length]) {
        *smaller_slot = candidate;
        smaller_slot = &pair[1];
        candidate = pair[1];
        smaller_length = length;
      } else {
        *greater_slot = candidate;
        greater_slot = &pair[0];
        candidate = pair[0];
        greater_length = length;
      }
    }
  }

 private:
  const unsigned char* data_;
  size_t size_;
  jc_match_finder_options options_;
  std::vector<uint32_t> children_;
  std::vector<uint32_t> heads_;
};

// A match cut at the nice length is extended to its true length. Inside a long match the
// next position usually finds the same offset, one byte shorter, which needs no comparing.
class jc_long_match_extender {
 public:
  jc_long_match_extender(const unsigned char* data, size_t size, uint32_t nice_length)
      : data_(data), size_(size), nice_length_(nice_length) {}

  void extend(uint32_t pos, jc_match& match) {
    if (match.length == nice_length_ && size_ - pos > nice_length_) {
      if (previous_.length > nice_length_ && previous_.offset == match.offset) {
        match.length = previous_.length - 1;
      } else {
        const unsigned char* cur = data_ + pos;
        const unsigned char* back = cur - match.offset;
        while (pos + match.length < size_ && cur[match.length] == back[match.length]) ++match.length;
      }
    }
    previous_ = match;
  }

  void forget() { previous_ = {0, 0}; }

 private:
  const unsigned char* data_;
  size_t size_;
  uint32_t nice_length_;
  jc_match previous_ = {0, 0};
};

}  // namespace

jc_match_table::jc_match_table(const unsigned char* data, size_t size, const jc_match_finder_options& options)
    : first_(size + 1, 0) {
  jc_suffix_tree tree(data, size, options);
  jc_long_match_extender extender(data, size, options.nice_length);
  matches_.reserve(size * 2);
  for (size_t pos = 0; pos < size; ++pos) {
    first_[pos] = (uint32_t)matches_.size();
    if (size - pos < 2) continue;
    tree.find_and_insert((uint32_t)pos, matches_);
    if (matches_.size() > first_[pos])
      extender.extend((uint32_t)pos, matches_.back());
    else
      extender.forget();
  }
  first_[size] = (uint32_t)matches_.size();
}
