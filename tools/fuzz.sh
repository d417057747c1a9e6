#!/usr/bin/env bash
# jaggo: builds the fuzz targets (the `fuzz` CMake preset: clang, libFuzzer, ASan + UBSan), the
# entry-point loader's and the picture analysis's, and runs each for half the time given.
# Usage: tools/fuzz.sh [SECONDS]  (default 30 in all). Exits non-zero on any crash, leak or UB found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
dir=build-fuzz  # the preset's folder
python=
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
# target, its committed seeds, and the longest input tried (for pictures: 128x128 greys, 64x64 RGBA)
targets=("loader_fuzz tests/fuzz/corpus 4096" "picture_fuzz tests/fuzz/picture_corpus 16388")

echo "== building $dir/tests/loader_fuzz and picture_fuzz"
mkdir -p "$dir"
cmake --preset fuzz ${python:+"-DPython3_EXECUTABLE=$python"} >"$dir/configure.log" 2>&1 ||
    { cat "$dir/configure.log"; echo "fuzz: FAILED to configure"; exit 1; }
cmake --build --preset fuzz -j"$(nproc)" --target loader_fuzz picture_fuzz >"$dir/build.log" 2>&1 ||
    { tail -n 40 "$dir/build.log"; echo "fuzz: FAILED to build"; exit 1; }

each=$(( (seconds + 1) / 2 ))
for entry in "${targets[@]}"; do
    read -r name seeds max_len <<<"$entry"
    # New inputs go to a scratch corpus in the build dir; the committed seeds stay as they are.
    mkdir -p "$dir/$name.corpus"
    echo "== fuzzing $name for ${each}s"
    status=0
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$dir/tests/$name" -max_total_time="$each" -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$dir/$name-" "$dir/$name.corpus" "$seeds" >"$dir/$name.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$dir/$name.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$dir/$name.log"
        echo "fuzz: FAILED in $name (status $status); see $dir/$name.log"
        exit 1
    fi
done
echo "fuzz: no findings"
