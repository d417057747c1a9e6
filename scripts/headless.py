#!/usr/bin/env python3
# jaggo: runs a jaggo binary on a private display, reads its window back once the squares have turned,
# holds that picture against jaggo's report (the lines Edges:, Coverage: and Verdict:), saves it and
# ends jaggo with Escape.
# Usage: scripts/headless.py JAGGO PNG [jaggo arguments...]
# Exits with jaggo's own status, or 3 when the picture contradicts the report. JAGGO_HEADLESS_TIMEOUT
# (seconds, default 30) bounds each wait: for the window, for the squares to turn, for jaggo to end
# on Escape. A slow machine may want more; nothing waits longer than needed.
#
# The display is a private Xvfb, or weston nested in it where the Xvfb offers no multisampling
# (jaggo_display/choose.py). It is software only, so jaggo gets Mesa's software driver straight away
# (LIBGL_ALWAYS_SOFTWARE) instead of probing for hardware and saying so on standard error.
# Any failure of this script is one line "headless: ..." on standard error and status 1.
import os
import subprocess
import sys
import tempfile

from jaggo_display import choose, wait, watch, weston, x11, xvfb

USAGE = "Usage: scripts/headless.py JAGGO PNG [jaggo arguments...]"


class Failure(Exception):
    pass


class Private:
    """A private display for one jaggo: an Xvfb, with weston nested in it where that is the choice."""

    def __init__(self, runtime):
        self.server, self.display = xvfb.start()
        self.compositor = None
        self.env = x11.env_for(self.display, XDG_RUNTIME_DIR=runtime, LIBGL_ALWAYS_SOFTWARE="1")
        try:
            if choose.choose(self.display) == "wayland":
                self.compositor = weston.Nested(server=(self.server, self.display))
                self.env = self.compositor.env(LIBGL_ALWAYS_SOFTWARE="1")
        except BaseException:
            xvfb.stop(self.server)
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.compositor is not None:
            self.compositor.stop()
        xvfb.stop(self.server)

    def sample_counts(self):
        """The sample counts jaggo may be granted here: weston's EGL configurations or the Xvfb's GLX ones."""
        if self.compositor is not None:
            return self.compositor.sample_counts()
        return x11.glx_sample_counts(self.display)

    def find(self, alive, bound):
        """jaggo's window: on weston's kiosk shell, weston's whole output once the squares show in it."""
        if self.compositor is None:
            return x11.find_window(self.display, "^Jaggoscope$", alive, bound)

        def shown():
            left, right = self.compositor.squares()
            return left["width"] > 0 and right["width"] > 0
        return self.compositor.window if wait.until(alive, shown, bound) else None

    def read(self, window):
        return x11.read_window(self.display, window)

    def escape(self, window):
        """Escape through XTEST to the focused window (weston passes it on to its client)."""
        if self.compositor is not None:
            self.compositor.key("Escape")
        else:
            x11.xdotool(self.display, "windowfocus", "--sync", window)
            x11.xdotool(self.display, "key", "Escape")


def run(jaggo, args, runtime, bound, echo=True):
    """Runs jaggo on a private display until its squares have turned, reads the picture and ends jaggo
    with Escape. Returns (jaggo's status, the picture or None when jaggo ended by itself first (-h, an
    error), jaggo's context claim). Raises Failure when the display or jaggo does not do its part."""
    with Private(runtime) as display:
        app = watch.Jaggo([jaggo, *args], display.env, stdin=subprocess.DEVNULL, drop=weston.DECORATION_NOISE,
                          echo=echo)
        try:
            window, shot, why = watch.look(app, lambda alive: display.find(alive, bound), display.read, bound)
            if why is not None:
                raise Failure(why)
            if shot is not None:
                display.escape(window)
                if app.status(bound) is None:
                    raise Failure("jaggo did not end on Escape within %d s" % bound)
        finally:
            app.kill()
        return app.status(), shot, app.claim


def main(argv):
    if len(argv) < 3 or argv[1].startswith("-"):
        print(USAGE, file=sys.stderr)
        return 1
    jaggo, png, args = argv[1], argv[2], argv[3:]
    bound = watch.bound()
    if bound is None:
        print("headless: JAGGO_HEADLESS_TIMEOUT is not a positive number of seconds", file=sys.stderr)
        return 1
    if not os.access(jaggo, os.X_OK):
        print("headless: %s is not a program that can be run" % jaggo, file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory(prefix="jaggo-run-") as runtime:
        try:
            status, shot, claim = run(jaggo, args, runtime, bound)
            judged = watch.report(shot, claim, png) if shot is not None else 0
            return status or judged
        except Exception as e:  # whatever went wrong, one line: a traceback is no answer
            print("headless: %s" % (str(e) or type(e).__name__), file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
