#!/usr/bin/env bash
# jaggo: builds the program as scripts/run.sh does and runs it once for each sample count (0, 2, 4, 8,
# 16 and every other count the display offers), printing a table of what was asked, granted, reported
# and seen, with each run's verdict. On the user's X display the windows open one after another and
# each closes once read back. Exits 3 when any picture contradicts its report (scripts/sweep.py).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
exec python3 scripts/sweep.py build/app/jaggo
