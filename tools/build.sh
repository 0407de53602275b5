#!/usr/bin/env bash
# Sets the machine up, builds the plugin (native and Windows) and runs the demo project.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset win32 >/dev/null
cmake --build --preset win32
echo "built: build/win32/Rividi.lmd and build/native/Rividi.so"
if [ -x build/native/rividi-host ] && [ -f examples/demo.lua ]; then
  build/native/rividi-host --module build/native/Rividi.so --project examples/demo_project.lua examples/demo.lua
fi
