#!/bin/bash
# Builds the collection fuzz target with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build/fuzz and runs it for a bounded time from
# the seed corpus (the samples and tests/fuzz/corpus). A crash, a sanitizer
# report or a failed round trip ends with a non-zero status; the input that
# caused it is kept in build/fuzz/.
# Usage: fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DKOLEKT_FUZZ=ON -DKOLEKT_BUILD_GUI=OFF -DKOLEKT_BUILD_TESTS=OFF -DKOLEKT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target kolekt_fuzz_collection -j"$(nproc)"

# New inputs go into a scratch folder, so the committed corpus stays as it is.
work=$(mktemp -d /tmp/kolekt-fuzz-corpus.XXXXXX)
trap 'rm -rf "$work"' EXIT
log="$build/fuzz.log"
seeds=(tests/fuzz/corpus)
[ -d samples ] && seeds+=(samples)
status=0
"$build/tests/fuzz/kolekt_fuzz_collection" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/" "$work" "${seeds[@]}" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzzing failed (status $status); log in $log" >&2
    exit "$status"
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb|stat::new_units_added)' "$log"
grep -E 'INITED|DONE' "$log" | tail -n 2
