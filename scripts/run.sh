#!/usr/bin/env bash
# jaggo: builds the program (and nothing else) and runs it with the given arguments.
# Without a display it runs on a private Xvfb, saves a screenshot and ends it with Escape.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# Tests and benchmarks stay out of this configuration; -Werror is left as the build dir has it.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJAGGO_TESTS=OFF -DJAGGO_BENCH=OFF >/dev/null
cmake --build build --target jaggo -j"$(nproc)" >/dev/null

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/jaggo "$@"
fi
exec scripts/headless.sh build/app/jaggo build/jaggo.png "$@"
