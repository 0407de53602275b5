// Match finder of the JC encoder: for every position, the nearest offset of each longer match.
#ifndef JC_MATCH_FINDER_H
#define JC_MATCH_FINDER_H

#include <cstddef>
#include <cstdint>
#include <vector>

struct jc_match {
  uint32_t length;
  uint32_t offset;
};

struct jc_match_finder_options {
  uint32_t nice_length = 256;  // search stops at a match this long; it is then extended in full
  uint32_t max_depth = 256;    // tree nodes visited per position
};

// Per position, matches ordered by growing length and offset: for each length, the nearest
// offset found that reaches it. Lengths start at 2.
class jc_match_table {
 public:
  jc_match_table(const unsigned char* data, size_t size, const jc_match_finder_options& options = {});

  const jc_match* begin(size_t pos) const { return matches_.data() + first_[pos]; }
  const jc_match* end(size_t pos) const { return matches_.data() + first_[pos + 1]; }

 private:
  std::vector<uint32_t> first_;
  std::vector<jc_match> matches_;
};

#endif
