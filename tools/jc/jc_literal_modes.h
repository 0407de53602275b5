// Choice of the literal modes (width 8, or width 7 with an offset) the parser may switch between.
#ifndef JC_LITERAL_MODES_H
#define JC_LITERAL_MODES_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "jc_token.h"

// Width 8, and width 7 for bytes below 128.
std::vector<jc_literal_mode> jc_default_literal_modes();

// Output positions of the parse's literal tokens.
std::vector<uint32_t> jc_literal_positions(const jc_parse_result& parse);

// Width 8 and the width-7 offsets that cover most of the given literals.
std::vector<jc_literal_mode> jc_choose_literal_modes(const unsigned char* data, size_t size,
                                                     const std::vector<uint32_t>& literal_positions);

#endif
