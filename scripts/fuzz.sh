#!/usr/bin/env bash
# jaggo: builds the entry-point loader's fuzz target (the `fuzz` CMake preset: clang, libFuzzer,
# ASan + UBSan) and runs it for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS]  (default 30). Exits non-zero on any crash, leak or UB found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
dir=build-fuzz  # the preset's folder
python=
[ -x /usr/bin/python3 ] && python=/usr/bin/python3

echo "== building $dir/tests/loader_fuzz"
mkdir -p "$dir"
cmake --preset fuzz ${python:+"-DPython3_EXECUTABLE=$python"} >"$dir/configure.log" 2>&1 ||
    { cat "$dir/configure.log"; echo "fuzz: FAILED to configure"; exit 1; }
cmake --build --preset fuzz -j"$(nproc)" >"$dir/build.log" 2>&1 ||
    { tail -n 40 "$dir/build.log"; echo "fuzz: FAILED to build"; exit 1; }

# New inputs go to the scratch corpus in the build dir; the committed seeds stay as they are.
mkdir -p "$dir/corpus"
echo "== fuzzing the loader for ${seconds}s"
status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/tests/loader_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" tests/fuzz/corpus >"$dir/fuzz.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$dir/fuzz.log" || true
if [ "$status" -ne 0 ]; then
    tail -n 60 "$dir/fuzz.log"
    echo "fuzz: FAILED (status $status); see $dir/fuzz.log"
    exit 1
fi
echo "fuzz: no findings"
