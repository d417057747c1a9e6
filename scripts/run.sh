#!/usr/bin/env bash
# jaggo: builds the program (and nothing else) in build/ with the user's options and runs it.
# Usage: scripts/run.sh [jaggo arguments...]. Without a display it runs on a private one
# (scripts/headless.py): a picture of the window in build/jaggo.png, its edges counted, Escape.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
# The developer options stay off here whatever the folder held before: no tests, no -Werror.
cmake -S . -B build -DJAGGO_TESTS=OFF -DJAGGO_BENCH=OFF -DJAGGO_FUZZ=OFF -DJAGGO_WERROR=OFF >/dev/null
cmake --build build --target jaggo -j"$(nproc)" >/dev/null

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/jaggo "$@"
fi
exec python3 scripts/headless.py build/app/jaggo build/jaggo.png "$@"
