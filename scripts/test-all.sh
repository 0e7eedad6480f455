#!/bin/bash
# Installs what is needed, checks the formatting, builds everything and runs every test:
# once in a normal build (gcc) and once under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/kolekt-runtime.XXXXXX)}"
chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

echo "== formatting"
# Every tracked C++ file as .clang-format lays it out; checked before the long builds.
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
    echo "unformatted code: run clang-format -i on the files named above" >&2
    exit 1
fi

echo "== include direction"
bash scripts/check-includes.sh

echo "== build"
cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLEKT_WERROR=ON \
      -DKOLEKT_BUILD_TESTS=ON -DKOLEKT_BUILD_BENCH=ON >/dev/null
cmake --build build/ci -j"$jobs"
echo "== tests"
ctest --test-dir build/ci --output-on-failure -j"$jobs"

echo "== packaging: desktop entry, metainfo, file type, Debian package, installed kolekt-tool"
bash scripts/check-packaging.sh build/ci

echo "== Windows: the cross build, its tests and the programs under Wine"
bash scripts/test-windows.sh build/ci

echo "== sanitizer build (clang, so both compilers see the tree with warnings as errors)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DKOLEKT_SANITIZE=ON -DKOLEKT_BUILD_TESTS=ON -DKOLEKT_BUILD_BENCH=OFF -DKOLEKT_WERROR=ON >/dev/null
cmake --build build/asan -j"$jobs"
echo "== tests under sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$root/tests/lsan-suppressions.txt":print_suppressions=0 \
    ctest --test-dir build/asan --output-on-failure -j"$jobs"

echo "== fuzzing the collection store (60 seconds)"
bash scripts/fuzz.sh 60
cd "$root"
