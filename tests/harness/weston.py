# jaggo tests: private weston compositors for Wayland runs: headless, or nested in a private Xvfb.
# Nested, its kiosk shell makes the one client window fill weston's 800x400 X window, read back as the picture.
import ctypes
import os
import shutil
import subprocess
import tempfile
import time

import edges
import xsession as xs

WIDTH, HEIGHT = 800, 400


def glfw_has_wayland(library="libglfw.so.3"):
    """Whether the GLFW library jaggo loads can run on Wayland (3.4 asks; 3.3 has no such call)."""
    try:
        glfw = ctypes.CDLL(library)
    except OSError:
        return False
    if not hasattr(glfw, "glfwPlatformSupported"):
        return False
    return glfw.glfwPlatformSupported(0x00060003) == 1  # GLFW_PLATFORM_WAYLAND


class Weston:
    """weston on a private socket in a private XDG_RUNTIME_DIR; clients get env()."""

    def __init__(self, backend_args, display=None):
        self.runtime_dir = tempfile.mkdtemp(prefix="jaggo-xdg-")  # 0700, as Wayland wants it
        self.socket = "jaggo-weston-%d" % os.getpid()
        server_env = xs.env_for(display) if display else self.env()
        server_env["XDG_RUNTIME_DIR"] = self.runtime_dir
        with open(self.log_path(), "w") as log:
            # --use-pixman: weston 10 knows no --renderer, weston 14 takes it as --renderer=pixman.
            self.weston = subprocess.Popen(
                ["weston", *backend_args, "--use-pixman", "--no-config", "--idle-time=0", "--socket=" + self.socket],
                env=server_env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        end = time.monotonic() + 20
        while time.monotonic() < end and self.weston.poll() is None:
            if os.path.exists(os.path.join(self.runtime_dir, self.socket)):
                return
            time.sleep(0.1)
        self.fail("weston did not start")

    def fail(self, why):
        log = self.log()
        self.stop()
        raise RuntimeError(why + ":\n" + log)

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
        xs.stop(self.weston)
        shutil.rmtree(self.runtime_dir, ignore_errors=True)


def headless():
    """weston without any output device: no picture to read back and no keyboard."""
    return Weston(["--backend=headless-backend.so", "--width=1024", "--height=768"])


class Nested(Weston):
    """weston's X11 backend on a private Xvfb. The picture and the keys go through the
    Xvfb to weston's window, and weston passes the keys on to its focused client."""

    def __init__(self):
        self.xvfb, self.display = xs.start_xvfb()
        # Weston draws the pointer into its output once it has been over its window:
        # keep the X pointer off the picture from the start.
        xs.xdotool(self.display, "mousemove", str(WIDTH + 100), str(HEIGHT + 100))
        super().__init__(["--backend=x11-backend.so", "--shell=kiosk-shell.so",
                          "--width=%d" % WIDTH, "--height=%d" % HEIGHT], self.display)
        found = xs.xdotool(self.display, "search", "--classname", "^weston").split()
        if not found:
            self.fail("weston made no X window")
        self.window = found[0]

    def screenshot(self):
        """weston's output, which the kiosk shell gives wholly to the client window."""
        return xs.screenshot(self.display, self.window)

    def squares(self):
        return edges.both_squares(*self.screenshot())

    def key(self, *keys):
        """Keys pressed through XTEST on weston's window, given the X input focus first."""
        xs.xdotool(self.display, "windowfocus", "--sync", self.window)
        xs.xdotool(self.display, "key", *keys)

    def stop(self):
        super().stop()
        xs.stop(self.xvfb)
