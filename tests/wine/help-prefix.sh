#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own, made once, and ends that prefix's
# processes afterwards; for tests that change the prefix (its shell's "open" handlers).
# Usage: help-prefix.sh PREFIX_DIR PROGRAM [ARGS...]
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$1
shift
"$root/cmake/wine-prefix.sh" "$prefix" || exit 1
RIVIDI_WINEPREFIX="$prefix" timeout 100 "$root/cmake/wine-run.sh" "$@"
status=$?
WINEPREFIX="$prefix" wineserver -k </dev/null >/dev/null 2>&1
exit $status
