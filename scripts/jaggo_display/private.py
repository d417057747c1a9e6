# jaggo display: a private display for one jaggo run (an Xvfb, with weston nested in it where that is
# the choice), and a run on it: until the squares have turned, the picture read, jaggo ended with Escape.
# The headless run (scripts/headless.py) and the sweep (scripts/sweep.py) use it.
import subprocess

from . import choose, wait, watch, weston, x11, xvfb


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
    error), jaggo's context claim). Raises watch.Failure when the display or jaggo does not do its part."""
    with Private(runtime) as display:
        app = watch.Jaggo([jaggo, *args], display.env, stdin=subprocess.DEVNULL, drop=weston.DECORATION_NOISE,
                          echo=echo)
        try:
            window, shot, why = watch.look(app, lambda alive: display.find(alive, bound), display.read, bound)
            if why is not None:
                raise watch.Failure(why)
            if shot is not None:
                display.escape(window)
                if app.status(bound) is None:
                    raise watch.Failure("jaggo did not end on Escape within %d s" % bound)
        finally:
            app.kill()
        return app.status(), shot, app.claim
