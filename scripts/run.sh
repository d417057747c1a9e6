#!/usr/bin/env bash
# jaggo: builds the program and runs it with the given arguments.
# Without a display it runs on a private Xvfb, saves a screenshot and ends it with Escape.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target jaggo -j"$(nproc)" >/dev/null
jaggo=build/app/jaggo

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$jaggo" "$@"
fi

# No display: a private X server on a free display number (Xvfb picks it).
fifo=$(mktemp -u) && mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$number"
trap 'kill "$xvfb" 2>/dev/null || true' EXIT

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
    import -window "$window" build/jaggo.png
    xdotool key --window "$window" Escape
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill "$app" 2>/dev/null || true
fi

status=0
wait "$app" || status=$?
[ -n "$window" ] && echo "Screenshot of the window: $(pwd)/build/jaggo.png"
exit "$status"
