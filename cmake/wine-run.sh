#!/usr/bin/env bash
# Runs a Windows program under Wine with its standard streams on files, never on a pipe:
# Wine's background services inherit pipes and would keep the reader waiting.
set -u
prefix_dir="${RIVIDI_WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix}"
export WINEPREFIX="$prefix_dir" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
"$(dirname "$0")/wine-prefix.sh" "$prefix_dir" || exit 1
out=$(mktemp) err=$(mktemp)
in=${RIVIDI_WINE_STDIN:-/dev/null}
wine "$@" <"$in" >"$out" 2>"$err"
rc=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit $rc
