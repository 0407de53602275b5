// Test oracle: a plain bit-by-bit decoder of JC streams with the same bounds, for comparison.
#ifndef JC_REFERENCE_DECODE_H
#define JC_REFERENCE_DECODE_H

#include <cstddef>
#include <optional>
#include <vector>

// The decoded bytes, or nothing where the real decoder must fail. The destination starts as
// capacity zero bytes; the checksum covers the header's size of it.
std::optional<std::vector<unsigned char>> jc_reference_decode(const unsigned char* src, size_t src_size,
                                                              size_t capacity);

#endif
