// Writes a parsed token sequence as a complete JC stream.
#ifndef JC_EMIT_H
#define JC_EMIT_H

#include <cstddef>
#include <vector>

#include "jc_token.h"

std::vector<unsigned char> jc_emit(const unsigned char* data, size_t size, const jc_parse_result& parse);

#endif
