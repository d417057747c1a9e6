#!/usr/bin/env bash
# jaggo: runs a jaggo binary on a private Xvfb, saves a screenshot of its window and ends it.
# Usage: scripts/headless.sh JAGGO PNG [jaggo arguments...]; exits with jaggo's own status.
set -euo pipefail
jaggo=$1
png=$2
shift 2

# A private X server on a free display number (Xvfb picks it). -noreset keeps
# it from resetting, and refusing connections for a moment, between clients.
fifo=$(mktemp -u) && mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
# Wait for the server to be gone, so no later X server starts beside a dying one.
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true' EXIT

"$jaggo" "$@" &
app=$!

# Wait for the window, or for jaggo to end by itself (-h, a bad option, an error).
window=
for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || break
    window=$(xdotool search --onlyvisible --name '^Jaggoscope$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done

if [ -n "$window" ]; then
    sleep 2
    import -window "$window" "$png"
    # jaggo closes on the key press, so the window may be gone before xdotool
    # sends the release: that error is expected.
    xdotool key --window "$window" Escape 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill "$app" 2>/dev/null || true
fi

status=0
wait "$app" || status=$?
if [ -n "$window" ]; then
    echo "Screenshot of the window: $(cd "$(dirname "$png")" && pwd)/$(basename "$png")"
fi
exit "$status"
