#!/usr/bin/env bash
# jaggo: builds the programs (and nothing else) in build/ with the user's options and runs
# jaggo-verdict, which judges its own framebuffer: jaggo's report, then the lines Edges:, Coverage:
# and Verdict:, and the verdict in its window's title.
# Usage: scripts/run.sh [jaggo-verdict arguments...]. On the user's display (X11 or Wayland: DISPLAY or
# WAYLAND_DISPLAY set) its window stays open until Escape or close. Without one it runs on a private
# display and ends once judged (scripts/headless.py). The status is jaggo-verdict's own (its manual
# page lists them).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/verdict/jaggo-verdict "$@"
fi
exec python3 scripts/headless.py build/verdict/jaggo-verdict "$@"
