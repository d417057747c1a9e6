#!/usr/bin/env bash
# jaggo: builds the entry-point loader's fuzz target with clang and runs it for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS]  (default 30). Exits non-zero on any crash, leak or UB found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
dir=build-fuzz
mkdir -p "$dir/corpus"

echo "== building $dir/loader_fuzz"
clang++ -std=c++17 -g -O1 -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wsign-conversion \
    -Wold-style-cast -Wcast-qual -Wformat=2 \
    -I. gl_loader/gl_table.cpp gl_loader/loader.cpp tests/fuzz/loader_fuzz.cpp \
    -o "$dir/loader_fuzz"

# New inputs go to the scratch corpus in the build dir; the committed seeds stay as they are.
echo "== fuzzing the loader for ${seconds}s"
status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$dir/loader_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" tests/fuzz/corpus >"$dir/fuzz.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$dir/fuzz.log" || true
if [ "$status" -ne 0 ]; then
    tail -n 60 "$dir/fuzz.log"
    echo "fuzz: FAILED (status $status); see $dir/fuzz.log"
    exit 1
fi
echo "fuzz: no findings"
