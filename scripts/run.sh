#!/usr/bin/env bash
# jaggo: builds the program (and nothing else) in build/ with the user's options and runs it.
# Usage: scripts/run.sh [jaggo arguments...]. On the user's display (scripts/own_display.py) and without
# one, on a private display (scripts/headless.py), jaggo's window is read back once its squares have
# turned, saved as build/jaggo.png and held against its report: the lines Edges:, Coverage:, Verdict:.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec python3 scripts/own_display.py build/app/jaggo build/jaggo.png "$@"
fi
exec python3 scripts/headless.py build/app/jaggo build/jaggo.png "$@"
