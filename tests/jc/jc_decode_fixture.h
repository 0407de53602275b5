// Test fixture: runs the decoder into a guarded destination and collects what it did.
#ifndef JC_DECODE_FIXTURE_H
#define JC_DECODE_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "jc_decode.h"
#include "jc_stream_builder.h"

struct jc_decoded {
  jc_status status;
  int result;           // what jc_decode returned
  jc_bytes output;      // the bytes written
  jc_bytes destination; // the whole destination afterwards
};

const unsigned char jc_fill = 0xA5;
const size_t jc_guard_size = 64;

// The destination starts filled with jc_fill and is followed by guard bytes that must survive.
inline jc_decoded jc_run_decoder(const unsigned char* stream, size_t stream_size, size_t capacity) {
  jc_bytes area(capacity + jc_guard_size, jc_fill);
  size_t written = 99;
  jc_status status = jc_decode_status(stream, stream_size, area.data(), capacity, &written);
  jc_bytes again(capacity + 1, jc_fill);
  int result = jc_decode(stream, stream_size, again.data(), capacity);
  for (size_t i = capacity; i < area.size(); ++i)
    EXPECT_EQ(area[i], jc_fill) << "byte " << i << " written beyond the capacity " << capacity;
  EXPECT_EQ(result, status == JC_OK ? (int)written : 0);
  if (status != JC_OK) {
    EXPECT_EQ(written, 0u);
  }
  jc_bytes output(area.begin(), area.begin() + (status == JC_OK ? written : 0));
  area.resize(capacity);
  return {status, result, output, area};
}

inline jc_decoded jc_run_decoder(const jc_bytes& stream, size_t capacity) {
  return jc_run_decoder(stream.data(), stream.size(), capacity);
}

// Decodes to "abcabcabca": a literal-width change to 8, literals a b c, short matches
// (3, 5) and (3, 2), the end marker; checksum E1 EB EF E6.
inline const jc_bytes jc_worked_example = {0x4A, 0x43, 0x0A, 0x00, 0x00, 0x00, 0xE1, 0xEB, 0xEF, 0xE6, 0x56,
                                           0x6C, 0xD8, 0x20, 0xC0, 0x00, 0x0F, 0x30, 0x00, 0x00, 0x00, 0x00};

inline jc_bytes jc_text(const std::string& s) { return jc_bytes(s.begin(), s.end()); }

#endif
