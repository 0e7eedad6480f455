#!/bin/bash
# Remakes the bundled sample collection samples/Group3.k09 with kolekt-tool. The date and the
# language are fixed so that the file only changes when the demo group itself changes.
# Usage: scripts/make-sample.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

cmake --build "$build" --target kolekt-tool >/dev/null
"$build/tools/kolekt-tool" sample --force samples/Group3.k09 --today 2026-12-08 --language eng
echo "Wrote samples/Group3.k09 (collection month November 2026)"
