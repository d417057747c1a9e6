#!/usr/bin/env bash
# jaggo: performance figures (benchmarks, not tests): start-up to the first presented
# frame and peak memory beside a bare program, load_gl beside the raw lookups, the
# heap allocations of the frame loop, and jaggo-verdict's time to its verdict beside jaggo's
# first frame, and the time jaggo-verdict -p takes to write one window's pictures. One Release
# build, one private Xvfb, one run.
# Usage: bench/perf.sh [RUNS] [verdict|pictures]   (default 15; "verdict": the time to the verdict
# alone; "pictures": -p's writing alone);
# JAGGO_PERF_DIR overrides the build dir.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${JAGGO_PERF_DIR:-build-perf}
runs=${1:-15}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DJAGGO_TESTS=ON -DJAGGO_SANITIZE=OFF -DJAGGO_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target jaggo jaggo-verdict bare_window first_frame loader_bench alloc_counter \
    pictures_bench gl_fault_shim >/dev/null
# -br: a black root, so only the drawn squares read back white.
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset -br -nolisten tcp +extension GLX" \
    python3 bench/perf.py "$dir" "$runs" "${2:-all}"
