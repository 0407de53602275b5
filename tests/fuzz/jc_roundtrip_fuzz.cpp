// libFuzzer target: every input must pack into a stream that decodes back to it exactly.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "jc_decode.h"
#include "jc_encode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<unsigned char> stream = jc_encode(data, size);
  unsigned char* out = static_cast<unsigned char*>(std::malloc(size ? size : 1));
  size_t written = 0;
  jc_status status = jc_decode_status(stream.data(), stream.size(), out, size, &written);
  if (status != JC_OK || written != size || (size && std::memcmp(out, data, size) != 0)) std::abort();
  std::free(out);
  return 0;
}
