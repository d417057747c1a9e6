# jaggo display: a private display for one headless run: an Xvfb, with weston nested in it where
# that is the choice (choose.py), and the environment of the program run on it.
from . import choose, weston, xvfb


class Private:
    """A private display: an Xvfb, with weston nested in it where that is the choice. It is software
    only, so its clients get Mesa's software driver straight away (LIBGL_ALWAYS_SOFTWARE) instead of
    probing for hardware and saying so on standard error. Raises xvfb.StartError when a server
    cannot start."""

    def __init__(self, runtime):
        self.server, self.display = xvfb.start()
        self.compositor = None
        self.env = xvfb.env_for(self.display, XDG_RUNTIME_DIR=runtime, LIBGL_ALWAYS_SOFTWARE="1")
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

    def noise(self):
        """Lines of the program's standard error that say nothing of it or its driver (weston's)."""
        return weston.DECORATION_NOISE if self.compositor is not None else set()
