/* payload_record.cpp: wraps a JC stream into the payload record the module stores:
   packed size and unpacked size (u32 little endian), then the stream. */
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

static bool record_read(const char* path, std::vector<unsigned char>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

static void record_putu32(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 0; i < 4; i++) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: payload-record STREAM OUT\n");
    return 2;
  }
  std::vector<unsigned char> stream;
  if (!record_read(argv[1], stream)) {
    std::fprintf(stderr, "payload-record: cannot read %s\n", argv[1]);
    return 1;
  }
  if (stream.size() < 10 || stream[0] != 'J' || stream[1] != 'C') {
    std::fprintf(stderr, "payload-record: %s is not a JC stream\n", argv[1]);
    return 1;
  }
  uint32_t unpacked = static_cast<uint32_t>(stream[2]) | stream[3] << 8 | stream[4] << 16 |
                      static_cast<uint32_t>(stream[5]) << 24;
  std::vector<unsigned char> record;
  record_putu32(record, static_cast<uint32_t>(stream.size()));
  record_putu32(record, unpacked);
  record.insert(record.end(), stream.begin(), stream.end());
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "payload-record: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
