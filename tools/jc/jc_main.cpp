// Command-line JC codec for the build: "jc pack IN OUT" and "jc unpack IN OUT".
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "jc_decode.h"
#include "jc_encode.h"

namespace {

struct jc_cli_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::vector<unsigned char> jc_read_file(const char* path) {
  FILE* f = std::fopen(path, "rb");
  if (!f) throw jc_cli_error(std::string("cannot open ") + path + ": " + std::strerror(errno));
  std::vector<unsigned char> data;
  unsigned char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.insert(data.end(), buffer, buffer + n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw jc_cli_error(std::string("cannot read ") + path);
  return data;
}

void jc_write_file(const char* path, const std::vector<unsigned char>& data) {
  FILE* f = std::fopen(path, "wb");
  if (!f) throw jc_cli_error(std::string("cannot create ") + path + ": " + std::strerror(errno));
  bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = std::fclose(f) == 0 && ok;
  if (!ok) throw jc_cli_error(std::string("cannot write ") + path);
}

uint32_t jc_header_size(const std::vector<unsigned char>& stream) {
  return (uint32_t)stream[2] | (uint32_t)stream[3] << 8 | (uint32_t)stream[4] << 16 | (uint32_t)stream[5] << 24;
}

// Decodes into exactly the size the header announces and insists on getting all of it.
std::vector<unsigned char> jc_unpack(const std::vector<unsigned char>& stream, const char* name) {
  if (stream.size() < JC_HEADER_SIZE || stream[0] != 0x4A || stream[1] != 0x43)
    throw jc_cli_error(std::string(name) + ": not a JC stream");
  std::vector<unsigned char> out(jc_header_size(stream));
  unsigned char spare;
  size_t written = 0;
  jc_status status = jc_decode_status(stream.data(), stream.size(), out.empty() ? &spare : out.data(), out.size(), &written);
  if (status != JC_OK) throw jc_cli_error(std::string(name) + ": damaged JC stream: " + jc_status_text(status));
  if (written != out.size())
    throw jc_cli_error(std::string(name) + ": damaged JC stream: " + std::to_string(written) + " bytes decoded, header says " +
                       std::to_string(out.size()));
  return out;
}

void jc_pack_file(const char* in, const char* out) {
  std::vector<unsigned char> data = jc_read_file(in);
  std::vector<unsigned char> stream = jc_encode(data.data(), data.size());
  if (jc_unpack(stream, "packed stream") != data)
    throw jc_cli_error(std::string("internal error: the stream of ") + in + " does not decode to it");
  jc_write_file(out, stream);
}

void jc_unpack_file(const char* in, const char* out) { jc_write_file(out, jc_unpack(jc_read_file(in), in)); }

int jc_usage() {
  std::fputs("usage: jc pack IN OUT    compress IN into the JC stream OUT\n"
             "       jc unpack IN OUT  decompress the JC stream IN into OUT\n",
             stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return jc_usage();
  std::string command = argv[1];
  try {
    if (command == "pack")
      jc_pack_file(argv[2], argv[3]);
    else if (command == "unpack")
      jc_unpack_file(argv[2], argv[3]);
    else
      return jc_usage();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "jc: %s\n", e.what());
    return 1;
  }
  return 0;
}
