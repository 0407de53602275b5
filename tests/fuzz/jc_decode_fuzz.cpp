// libFuzzer target: any bytes, as a stream and as the bit stream behind a header, with a few
// destination sizes; must stay inside the buffers and agree with the reference decoder.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "jc_decode.h"
#include "jc_reference_decode.h"

namespace {

void jc_fuzz_check(bool condition) {
  if (!condition) std::abort();
}

// The destination is exactly capacity bytes on the heap, so that AddressSanitizer sees any overrun.
void jc_fuzz_decode(const std::vector<unsigned char>& stream, size_t capacity) {
  unsigned char* out = static_cast<unsigned char*>(std::calloc(capacity ? capacity : 1, 1));
  int result = jc_decode(stream.data(), stream.size(), out, capacity);
  auto reference = jc_reference_decode(stream.data(), stream.size(), capacity);
  jc_fuzz_check(result >= 0 && (size_t)result <= capacity);
  jc_fuzz_check((result != 0) == (reference && !reference->empty()));
  if (result != 0) jc_fuzz_check(std::memcmp(out, reference->data(), (size_t)result) == 0);
  std::free(out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const size_t capacities[] = {0, 1, 9, 256, 4096, 70000};
  std::vector<unsigned char> as_is(data, data + size);
  std::vector<unsigned char> behind_header = {0x4A, 0x43, 0, 0, 0, 0, 0, 0, 0, 0};
  behind_header.insert(behind_header.end(), data, data + size);
  for (size_t capacity : capacities) {
    jc_fuzz_decode(as_is, capacity);
    jc_fuzz_decode(behind_header, capacity);
  }
  return 0;
}
