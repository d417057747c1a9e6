#!/usr/bin/env bash
# jaggo: builds and runs the entry-point loader's benchmarks (Release build, not a test),
# under a private X server so that the real-context pair runs too.
# Usage: bench/loader.sh [benchmark options...]; JAGGO_BENCH_DIR overrides the build dir.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${JAGGO_BENCH_DIR:-build-bench}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DJAGGO_TESTS=OFF -DJAGGO_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target loader_bench >/dev/null
if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$dir/bench/loader_bench" "$@"
fi
exec "$dir/bench/loader_bench" "$@"
