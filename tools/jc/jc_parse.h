// Optimal parser of the JC encoder: the cheapest token sequence by bit cost.
#ifndef JC_PARSE_H
#define JC_PARSE_H

#include <cstddef>
#include <vector>

#include "jc_match_finder.h"
#include "jc_token.h"

struct jc_parse_options {
  unsigned index_width = 8;
  std::vector<jc_literal_mode> literal_modes;  // the modes a literal may use
  uint32_t max_listed_length = 64;             // longer matches are tried at their full length only
  unsigned last_offset_slots = 2;              // paths kept per position and mode, by last offset
};

// Shortest path over positions; at each position a few states per literal mode, each with the
// last offset of its path for repeat matches.
jc_parse_result jc_parse(const unsigned char* data, size_t size, const jc_match_table& matches,
                         const jc_parse_options& options);

#endif
