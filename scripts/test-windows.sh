#!/bin/bash
# Builds the Windows programs and their tests, then runs them under Wine on a private X
# display: the Windows build's own tests (the collection core's suite, the installer), then the
# programs held against the Linux build in LINUX_BUILD (kolekt and kolekt-tool built there).
# Usage: bash scripts/test-windows.sh LINUX_BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
linux=$(realpath "$1")
windows=$root/build/windows

bash scripts/build-windows.sh --tests

# One Wine prefix of our own for the suite, made once, so no test reads or writes ~/.wine.
prefix=$(mktemp -d /tmp/kolekt-wine-tests.XXXXXX)
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all
wineboot -i >/dev/null 2>&1
echo "== Windows tests under Wine"
ctest --test-dir "$windows" --output-on-failure
echo "== Windows programs under Wine, against the Linux build"
bash tests/windows/program-under-wine.sh "$windows/src/app/kolekt.exe" \
    "$windows/tools/kolekt-tool.exe" \
    "$linux/src/app/kolekt" "$linux/tools/kolekt-tool" \
    "$windows/tests/windows/mapi-whole/MAPI32.dll"
