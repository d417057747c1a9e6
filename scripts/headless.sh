#!/usr/bin/env bash
# jaggo: runs a jaggo binary on a private display, saves a screenshot of its window and ends it.
# Usage: scripts/headless.sh JAGGO PNG [jaggo arguments...]; exits with jaggo's own status.
set -euo pipefail
jaggo=$1
png=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)

# Servers started here, ended (and waited for, so no later X server starts beside
# a dying one) on every exit, newest first; and a private XDG_RUNTIME_DIR (0700).
runtime=$(mktemp -d)
servers=()
cleanup() {
    local i
    for ((i = ${#servers[@]} - 1; i >= 0; i--)); do
        kill "${servers[i]}" 2>/dev/null || true
        wait "${servers[i]}" 2>/dev/null || true
    done
    rm -rf "$runtime"
}
trap cleanup EXIT

# A private X server on a free display number (Xvfb picks it). -noreset keeps
# it from resetting, and refusing connections for a moment, between clients.
fifo=$runtime/displayfd && mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
servers+=($!)
read -r number <"$fifo"
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
# GLFW 3.4 tries Wayland first unless the session says X11, and the Wayland
# library then complains about XDG_RUNTIME_DIR on standard error.
export XDG_SESSION_TYPE=x11 XDG_RUNTIME_DIR=$runtime

# Where this Xvfb offers no multisampled configuration (Debian 13's), jaggo runs
# on weston nested in it instead, whose EGL does: weston's kiosk shell gives
# jaggo its whole 800x400 output, the X window the screenshot is taken of.
if [ "$(python3 "$root/scripts/pick_display.py")" = wayland ]; then
    # Weston draws the X pointer into its output once it has been over it.
    xdotool mousemove 1000 700
    socket=jaggo-$$
    weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so --no-config --idle-time=0 \
        --socket="$socket" --width=800 --height=400 >"$runtime/weston.log" 2>&1 &
    servers+=($!)
    compositor=
    for _ in $(seq 200); do
        [ -S "$runtime/$socket" ] && compositor=$(xdotool search --classname '^weston' 2>/dev/null | head -n 1) || true
        [ -n "$compositor" ] && break
        sleep 0.1
    done
    [ -n "$compositor" ] || { echo "weston did not start:" >&2; tail -n 20 "$runtime/weston.log" >&2; exit 1; }
    env -u DISPLAY WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland "$jaggo" "$@" &
else
    compositor=
    "$jaggo" "$@" &
fi
app=$!

# Wait for the window (on weston: for both squares in its picture), or for
# jaggo to end by itself (-h, a bad option, an error).
window=
for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || break
    if [ -n "$compositor" ]; then
        import -window "$compositor" -depth 8 ppm:- 2>/dev/null | python3 "$root/tests/harness/edges.py" >/dev/null 2>&1 &&
            window=$compositor
    else
        window=$(xdotool search --onlyvisible --name '^Jaggoscope$' 2>/dev/null | head -n 1) || true
    fi
    [ -n "$window" ] && break
    sleep 0.1
done

edges=
if [ -n "$window" ]; then
    sleep 2
    import -window "$window" "$png"
    edges=$(convert "$png" -depth 8 ppm:- | python3 "$root/tests/harness/edges.py") || true
    # Escape through XTEST to the focused window, which weston passes on to its
    # client. jaggo closes on the press, so the release may find no window.
    xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill "$app" 2>/dev/null || true
elif kill -0 "$app" 2>/dev/null; then
    # Still running after twenty seconds without a window to picture or end it by.
    echo "jaggo showed no window; ending it" >&2
    kill "$app" 2>/dev/null || true
fi

status=0
wait "$app" || status=$?
if [ -n "$window" ]; then
    echo "Screenshot of the window: $(cd "$(dirname "$png")" && pwd)/$(basename "$png")"
    echo "$edges"
fi
exit "$status"
