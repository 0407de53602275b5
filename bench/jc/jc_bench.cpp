// Benchmark of the JC codec on Lua chunks: stream size against gzip -9 and xz -9e, decoding
// speed against zlib's inflate of the same chunk compressed at level 9.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "jc_decode.h"
#include "jc_encode.h"

namespace {

using jc_bytes = std::vector<unsigned char>;

bool jc_read_file(const char* path, jc_bytes& data) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return false;
  unsigned char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.insert(data.end(), buffer, buffer + n);
  std::fclose(f);
  return true;
}

std::string jc_shell_quote(const std::string& s) {
  std::string quoted = "'";
  for (char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Bytes that a compressor command writes for the file, or 0 if it could not run.
size_t jc_command_output_size(const std::string& command, const char* path) {
  FILE* pipe = popen((command + " " + jc_shell_quote(path)).c_str(), "r");
  if (!pipe) return 0;
  size_t total = 0, n;
  char buffer[65536];
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) total += n;
  return pclose(pipe) == 0 ? total : 0;
}

double jc_seconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Enough runs of f for one round to be measured reliably.
template <class F>
int jc_runs_per_round(F f) {
  int runs = 1;
  for (;;) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) f();
    if (jc_seconds_since(start) > 0.03) return runs;
    runs *= 2;
  }
}

template <class F>
double jc_round_time(F f, int runs) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) f();
  return jc_seconds_since(start) / runs;
}

// Best time per run of each, over rounds that alternate between the two, so that a machine
// busy with other work slows both alike.
template <class F, class G>
std::pair<double, double> jc_paired_times(F f, G g) {
  int f_runs = jc_runs_per_round(f), g_runs = jc_runs_per_round(g);
  std::pair<double, double> best = {1e30, 1e30};
  for (int round = 0; round < 21; ++round) {
    best.first = std::min(best.first, jc_round_time(f, f_runs));
    best.second = std::min(best.second, jc_round_time(g, g_runs));
  }
  return best;
}

void jc_print_ratio(const char* name, size_t ours, size_t theirs) {
  if (theirs == 0)
    std::printf("  %-8s (could not run)\n", name);
  else
    std::printf("  %-8s %8zu bytes   jc/%s %.3f\n", name, theirs, name, (double)ours / (double)theirs);
}

bool jc_bench_file(const char* path) {
  jc_bytes data;
  if (!jc_read_file(path, data) || data.empty()) {
    std::fprintf(stderr, "jc_bench: cannot read %s\n", path);
    return false;
  }
  std::printf("%s: %zu bytes\n", path, data.size());

  auto start = std::chrono::steady_clock::now();
  jc_bytes stream = jc_encode(data.data(), data.size());
  double encode_seconds = jc_seconds_since(start);
  std::printf("  jc       %8zu bytes   encoded in %.2f s\n", stream.size(), encode_seconds);
  jc_print_ratio("gzip -9", stream.size(), jc_command_output_size("gzip -9 -c", path));
  jc_print_ratio("xz -9e", stream.size(), jc_command_output_size("xz -9e -c", path));

  uLongf deflated_size = compressBound(data.size());
  jc_bytes deflated(deflated_size);
  if (compress2(deflated.data(), &deflated_size, data.data(), data.size(), 9) != Z_OK) return false;
  deflated.resize(deflated_size);

  jc_bytes out(data.size() + 8);
  bool decoded_ok = true;
  auto times = jc_paired_times(
      [&] { decoded_ok &= jc_decode(stream.data(), stream.size(), out.data(), out.size()) == (int)data.size(); },
      [&] {
        uLongf n = out.size();
        decoded_ok &= uncompress(out.data(), &n, deflated.data(), deflated.size()) == Z_OK && n == data.size();
      });
  double jc_time = times.first, inflate_time = times.second;
  if (!decoded_ok) {
    std::fprintf(stderr, "jc_bench: decoding %s failed\n", path);
    return false;
  }
  double mb = data.size() / 1e6;
  std::printf("  decode   jc %.0f MB/s, inflate %.0f MB/s (zlib level 9, %zu bytes)   jc/inflate %.2f\n",
              mb / jc_time, mb / inflate_time, deflated.size(), inflate_time / jc_time);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: jc_bench CHUNK...\n");
    return 2;
  }
  bool ok = true;
  for (int i = 1; i < argc; ++i) ok &= jc_bench_file(argv[i]);
  return ok ? 0 : 1;
}
