#!/bin/bash
# Installs what is needed, builds Kolekt (Release) and opens a fresh sample collection
# for the current month.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOLEKT_BUILD_TESTS=OFF \
      -DKOLEKT_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
mkdir -p build/sample
build/release/tools/kolekt-tool sample --force build/sample/Group3.k09
# Without a display the program says so and how to run it under Xvfb.
exec build/release/src/app/kolekt "$PWD/build/sample/Group3.k09"
