/* text_protocol.cpp: the buffer-size protocol of the text exports. */
#include "text_protocol.h"

#include <cstring>

int proto_givetext(const char* text, int n, char* buffer, int* size) {
  if (!size) return -1; /* nowhere to say how much is needed */
  if (*size < n || !buffer) {
    *size = n;
    return -1;
  }
  std::memcpy(buffer, text, static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}
