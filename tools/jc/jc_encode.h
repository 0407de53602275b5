// Build-time JC encoder: packs a block into the smallest JC stream its optimal parser finds.
#ifndef JC_ENCODE_H
#define JC_ENCODE_H

#include <cstddef>
#include <vector>

// The whole stream, header and checksum included. Throws std::length_error above INT_MAX bytes.
std::vector<unsigned char> jc_encode(const unsigned char* data, size_t size);

#endif
