#!/usr/bin/env bash
# Makes the Wine prefix PREFIX_DIR of this build once; later calls return at once. A prefix whose
# making was cut short has no ready marker and is made again.
# Usage: wine-prefix.sh PREFIX_DIR
set -u
prefix_dir="${1:?usage: wine-prefix.sh PREFIX_DIR}"
export WINEPREFIX="$prefix_dir" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
ready="$WINEPREFIX/.rividi-ready"
[ -f "$ready" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
log="$(dirname "$WINEPREFIX")/$(basename "$WINEPREFIX").log"
timeout 120 wineboot -i </dev/null >"$log" 2>&1
timeout 60 wineserver -w </dev/null >>"$log" 2>&1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-prefix: could not make $WINEPREFIX (see $log)" >&2
  exit 1
fi
touch "$ready"
