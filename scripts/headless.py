#!/usr/bin/env python3
# jaggo: runs a jaggo binary on a private display, saves a picture of its window once the squares
# have turned, counts their grey edge pixels and ends it with Escape; exits with jaggo's own status.
# Usage: scripts/headless.py JAGGO PNG [jaggo arguments...]
# JAGGO_HEADLESS_TIMEOUT (seconds, default 30) bounds each wait: for the window, for the squares
# to turn, for jaggo to end on Escape. A slow machine may want more; nothing waits longer than needed.
#
# The display is a private Xvfb, or weston nested in it where the Xvfb offers no multisampling
# (display/choose.py). It is software only, so jaggo gets Mesa's software driver straight away
# (LIBGL_ALWAYS_SOFTWARE) instead of probing for hardware and saying so on standard error.
# Any failure of this script is one line "headless: ..." on standard error and status 1.
import os
import subprocess
import sys
import tempfile
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from display import choose, picture, wait, weston, xvfb  # noqa: E402

USAGE = "Usage: scripts/headless.py JAGGO PNG [jaggo arguments...]"
BOUND = 30  # seconds, for things that take a second or two (JAGGO_HEADLESS_TIMEOUT)
# What GLFW's libdecor says on every start on a display without decoration plugins (none
# are installed): neither jaggo's nor the driver's words, and it would bury the report.
DECORATION_NOISE = {"Couldn't open plugin directory: No such file or directory",
                    "No plugins found, falling back on no decorations"}


class Failure(Exception):
    pass


def forward_errors(stream):
    """Copies jaggo's standard error to ours as it comes, less libdecor's two lines."""
    for line in iter(stream.readline, b""):
        if line.decode(errors="replace").rstrip("\n") not in DECORATION_NOISE:
            sys.stderr.buffer.write(line)
            sys.stderr.buffer.flush()


def bounded(what, answer, alive):
    """A bounded wait's answer, or None when jaggo ended first; a failure when it still runs."""
    if answer is None and alive():
        raise Failure("%s within %d s" % (what, BOUND))
    return answer


def run(jaggo, png, args, runtime):
    server, display = xvfb.start()
    compositor = None
    try:
        env = xvfb.env_for(display, XDG_RUNTIME_DIR=runtime, LIBGL_ALWAYS_SOFTWARE="1")
        if choose.choose(display) == "wayland":
            compositor = weston.Nested(server=(server, display))
            env = compositor.env(LIBGL_ALWAYS_SOFTWARE="1")
        app = subprocess.Popen([jaggo, *args], env=env, stdin=subprocess.DEVNULL, stderr=subprocess.PIPE)
        # A daemon: a child jaggo left behind could hold the pipe open for ever.
        errors = threading.Thread(target=forward_errors, args=(app.stderr,), daemon=True)
        errors.start()
        try:
            seen = show(app, display, compositor)
        finally:
            if app.poll() is None:
                app.kill()
            status = app.wait()
            errors.join(BOUND)
        if seen is not None:
            shot, squares = seen
            with open(png, "wb") as f:
                f.write(picture.png(*shot))
            print("Screenshot of the window: " + os.path.abspath(png))
            print(picture.edges_line(*squares))
        return status if status >= 0 else 128 - status
    finally:
        if compositor is not None:
            compositor.stop()
        xvfb.stop(server)


def show(app, display, compositor):
    """Waits for jaggo's window and for its squares to turn, takes the picture and ends jaggo with
    Escape; returns the picture, (width, height, rgb), with its two squares' statistics, or None
    when jaggo ended by itself first (-h, an error)."""
    def alive():
        return app.poll() is None

    if compositor is not None:
        window = compositor.window

        def shown():  # the kiosk shell shows jaggo's picture as weston's whole output
            left, right = compositor.squares()
            return left["width"] > 0 and right["width"] > 0
        if not bounded("jaggo showed no window", wait.until(alive, shown, BOUND), alive):
            return None
    else:
        window = xvfb.find_window(display, "^Jaggoscope$", alive, BOUND)
        if bounded("jaggo showed no window", window, alive) is None:
            return None

    def turned():
        shot = xvfb.screenshot(display, window)
        squares = picture.both_squares(*shot)
        return (shot, squares) if picture.turned_enough(squares[0], shot[1]) else None
    seen = bounded("jaggo's squares did not turn", wait.until(alive, turned, BOUND), alive)
    if seen is None:
        return None
    # Escape through XTEST to the focused window (weston passes it on to its client).
    if compositor is not None:
        compositor.key("Escape")
    else:
        xvfb.xdotool(display, "windowfocus", "--sync", window)
        xvfb.xdotool(display, "key", "Escape")
    try:
        app.wait(BOUND)
    except subprocess.TimeoutExpired:
        raise Failure("jaggo did not end on Escape within %d s" % BOUND) from None
    return seen


def main(argv):
    if len(argv) < 3 or argv[1].startswith("-"):
        print(USAGE, file=sys.stderr)
        return 1
    jaggo, png, args = argv[1], argv[2], argv[3:]
    global BOUND
    try:
        BOUND = int(os.environ.get("JAGGO_HEADLESS_TIMEOUT") or BOUND)
    except ValueError:
        BOUND = 0
    if BOUND <= 0:
        print("headless: JAGGO_HEADLESS_TIMEOUT is not a positive number of seconds", file=sys.stderr)
        return 1
    if not os.access(jaggo, os.X_OK):
        print("headless: %s is not a program that can be run" % jaggo, file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory(prefix="jaggo-run-") as runtime:
        try:
            return run(jaggo, png, args, runtime)
        except (Failure, xvfb.StartError, subprocess.SubprocessError, OSError) as e:
            print("headless: %s" % e, file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
