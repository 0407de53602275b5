/* Bounded decoder of JC streams (LZ77 with a bit-level token code, "JC" magic and checksum). */
#ifndef JC_DECODE_H
#define JC_DECODE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Stream header: "JC", unpacked size (u32 LE), checksum (u32 LE); the bit stream follows. */
enum { JC_HEADER_SIZE = 10 };

typedef enum jc_status {
  JC_OK = 0,
  JC_BAD_ARGUMENT,       /* null stream or destination */
  JC_BAD_MAGIC,          /* no "JC" magic (or not even two bytes) */
  JC_SIZE_OVER_CAPACITY, /* header's unpacked size exceeds the destination's capacity */
  JC_TRUNCATED,          /* header or a word of the bit stream beyond the end of the stream */
  JC_OUTPUT_OVERFLOW,    /* a token would write beyond the destination's capacity */
  JC_OFFSET_BEFORE_START,/* a match reaches before the first byte of output */
  JC_NO_LITERAL_WIDTH,   /* a literal before any literal-width change */
  JC_ZERO_INDEX_WIDTH,   /* an index-width change to 0 */
  JC_CHECKSUM_MISMATCH   /* the output does not match the stored checksum */
} jc_status;

/* Decodes the stream src[0..src_size) into dst[0..dst_capacity).
   Returns the number of bytes written, or 0 on any failure (or empty output). */
int jc_decode(const unsigned char* src, size_t src_size, unsigned char* dst, size_t dst_capacity);

/* Same decoding, telling failures apart from empty output; *written gets the count (0 on failure). */
jc_status jc_decode_status(const unsigned char* src, size_t src_size, unsigned char* dst,
                           size_t dst_capacity, size_t* written);

/* Checksum of a block as stored in the header; 0 for blocks shorter than 4 bytes. */
uint32_t jc_checksum(const unsigned char* data, size_t size);

/* Short English text for a status, for messages. */
const char* jc_status_text(jc_status status);

#ifdef __cplusplus
}
#endif

#endif
