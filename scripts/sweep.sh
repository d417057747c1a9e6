#!/usr/bin/env bash
# jaggo: builds the programs as scripts/run.sh does and runs jaggo-verdict -a: one window for each
# sample count (0, 2, 4, 8, 16 and every other count the platform's configurations offer), each
# closed once judged, then a table of what was asked, granted, reported and seen, with each count's
# verdict. On the user's display, or without one on a private display (scripts/headless.py).
# Usage: scripts/sweep.sh [jaggo-verdict arguments...], e.g. -j for JSON. Exits 3 when any count
# contradicts its report, else 1 when a count could not run, else 4 when one could not be judged.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/jaggo-verdict -a "$@"
fi
exec python3 scripts/headless.py build/app/jaggo-verdict -a "$@"
