#!/usr/bin/env bash
# Sets the machine up and runs every test: native, native under the sanitizers (with the fuzzers),
# and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
jobs=$(nproc)
status=0
for preset in native native-asan win32; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" || status=1
done
exit $status
