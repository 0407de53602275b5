#!/usr/bin/env bash
# Makes the Wine prefix once; later calls return at once.
set -u
prefix_dir="${WINEPREFIX:-${RIVIDI_WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix}}"
export WINEPREFIX="$prefix_dir" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
[ -f "$WINEPREFIX/system.reg" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
log="$(dirname "$WINEPREFIX")/wineprefix.log"
wineboot -i </dev/null >"$log" 2>&1
wineserver -w </dev/null >>"$log" 2>&1
[ -f "$WINEPREFIX/system.reg" ] || { echo "wine-prefix: could not make $WINEPREFIX (see $log)" >&2; exit 1; }
