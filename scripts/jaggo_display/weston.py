# jaggo display: a private weston compositor, nested in a private Xvfb or on another backend.
# Nested, its kiosk shell makes the one client window fill weston's 800x400 X window, read back as the picture.
import os
import shutil
import subprocess
import tempfile

from display import picture, wait, xvfb

WIDTH, HEIGHT = 800, 400


class Weston:
    """weston on a private socket in a private XDG_RUNTIME_DIR; its clients get env().
    Raises xvfb.StartError, with the end of weston's log, when it cannot start."""

    def __init__(self, backend_args, display=None, timeout=30.0):
        self.runtime_dir = tempfile.mkdtemp(prefix="jaggo-xdg-")  # 0700, as Wayland wants it
        self.socket = "jaggo-weston-%d" % os.getpid()
        server_env = xvfb.env_for(display) if display else self.env()
        server_env["XDG_RUNTIME_DIR"] = self.runtime_dir
        try:
            with open(self.log_path(), "w") as log:
                # --use-pixman: weston 10 knows no --renderer, weston 14 takes it as --renderer=pixman.
                self.weston = subprocess.Popen(
                    ["weston", *backend_args, "--use-pixman", "--no-config", "--idle-time=0",
                     "--socket=" + self.socket],
                    env=server_env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        except OSError as e:
            shutil.rmtree(self.runtime_dir, ignore_errors=True)
            raise xvfb.StartError("weston could not be run: %s" % e) from None
        if wait.until(lambda: self.weston.poll() is None,
                      lambda: os.path.exists(os.path.join(self.runtime_dir, self.socket)), timeout):
            return
        self.fail("weston did not start" if self.weston.poll() is None
                  else "weston ended with status %d" % self.weston.returncode)

    def fail(self, why):
        said = [line for line in self.log().splitlines() if line.strip()][-3:]
        self.stop()
        raise xvfb.StartError(why + (": " + " / ".join(said) if said else ""))

    def log_path(self):
        return os.path.join(self.runtime_dir, "weston.log")

    def log(self):
        try:
            with open(self.log_path()) as f:
                return f.read()[-3000:]
        except OSError:
            return ""

    def env(self, **extra):
        env = dict(os.environ)
        env.pop("DISPLAY", None)  # nothing may fall back to X11
        env["XDG_RUNTIME_DIR"] = self.runtime_dir
        env["WAYLAND_DISPLAY"] = self.socket
        env["XDG_SESSION_TYPE"] = "wayland"  # GLFW 3.4 would take "x11" as a reason to use X11 only
        env.update(extra)
        return env

    def stop(self):
        xvfb.stop(self.weston)
        shutil.rmtree(self.runtime_dir, ignore_errors=True)


class Nested(Weston):
    """weston's X11 backend on a private Xvfb (its own, or the one given). The picture and the
    keys go through the Xvfb to weston's window, and weston passes the keys on to its focused
    client. shell: kiosk (the client fills the output) or desktop."""

    def __init__(self, server=None, shell="kiosk"):
        self.own_server = server is None
        self.xvfb, self.display = xvfb.start() if server is None else server
        try:
            # Weston draws the pointer into its output once it has been over its window:
            # keep the X pointer off the picture from the start.
            xvfb.xdotool(self.display, "mousemove", str(WIDTH + 100), str(HEIGHT + 100))
            super().__init__(["--backend=x11-backend.so", "--shell=%s-shell.so" % shell,
                              "--width=%d" % WIDTH, "--height=%d" % HEIGHT], self.display)
            found = xvfb.xdotool(self.display, "search", "--classname", "^weston").split()
            if not found:
                self.fail("weston made no X window")
            self.window = found[0]
        except BaseException:
            if self.own_server:
                xvfb.stop(self.xvfb)
            raise

    def screenshot(self):
        """weston's output, which the kiosk shell gives wholly to the client window."""
        return xvfb.screenshot(self.display, self.window)

    def squares(self):
        return picture.both_squares(*self.screenshot())

    def key(self, *keys):
        """Keys pressed through XTEST on weston's window, given the X input focus first."""
        xvfb.xdotool(self.display, "windowfocus", "--sync", self.window)
        xvfb.xdotool(self.display, "key", *keys)

    def stop(self):
        super().stop()
        if self.own_server:
            xvfb.stop(self.xvfb)
