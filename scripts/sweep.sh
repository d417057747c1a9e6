#!/usr/bin/env bash
# jaggo: scripts/run.sh with -a: every sample count judged, one window after another, and a table.
exec "$(dirname "$0")/run.sh" -a "$@"
