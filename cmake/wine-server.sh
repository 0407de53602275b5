#!/usr/bin/env bash
# Starts (start) or stops (stop) a persistent wineserver around the Wine tests.
set -u
prefix_dir="${RIVIDI_WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix}"
export WINEPREFIX="$prefix_dir" WINEDEBUG=-all WINEARCH=win32
case "${1:-}" in
  start)
    "$(dirname "$0")/wine-prefix.sh" "$prefix_dir" || exit 1
    wineserver -p </dev/null >/dev/null 2>&1 &
    sleep 0.2
    ;;
  stop) wineserver -k </dev/null >/dev/null 2>&1; exit 0 ;;
  *) echo "usage: wine-server.sh start|stop" >&2; exit 2 ;;
esac
