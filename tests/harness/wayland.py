# jaggo tests: programs on a Wayland compositor, the product's weston nested in a private Xvfb, with
# a GLFW that can run on Wayland: the system's (3.4 and later), or else Debian 12's Wayland build of
# 3.3, which scripts/install-deps.sh test unpacks into GLFW_WAYLAND_DIR.
import os
import subprocess

from harness import x11
from harness import xsession as xs
from jaggo_display import choose, weston


def glfw_dir():
    """None where the system GLFW runs on Wayland; else the folder of the unpacked Wayland build of
    libglfw.so.3, or a missing prerequisite (xs.missing)."""
    if choose.glfw_has_wayland():
        return None
    for dirpath, _, files in os.walk(os.environ["GLFW_WAYLAND_DIR"]):
        if "libglfw.so.3" in files:
            return dirpath
    xs.missing("Debian's libglfw3-wayland, unpacked in %s by scripts/install-deps.sh test"
               % os.environ["GLFW_WAYLAND_DIR"])


class _Scaled(weston.Weston):
    """weston with its output scaled by self.scale, as a HiDPI screen's is."""

    def __init__(self, backend_args, display=None, timeout=30.0):
        scale = ["--scale=%d" % self.scale] if self.scale != 1 else []
        super().__init__([*backend_args, *scale], display, timeout)


class Session(weston.Nested, _Scaled):
    """weston nested in its own Xvfb for programs whose GLFW is in glfw (a folder, or None for the
    system's), its output scaled by scale; the shell is the one the product picks for that GLFW. Keys
    go through XTEST to weston's X window, which passes them on to its focused client, and are all
    released after each press: a session serves several runs, and a key left down would reach the
    next one."""

    def __init__(self, glfw, scale=1):
        self.glfw = glfw
        self.scale = scale
        library = os.path.join(glfw, "libglfw.so.3") if glfw else "libglfw.so.3"
        super().__init__(shell="desktop" if choose.glfw_draws_decorations(library) else "kiosk")

    def program_env(self, **extra):
        # The display is software only: Mesa's software driver from the start, not after probing
        # for hardware and saying so on standard error (as scripts/headless.py does).
        env = self.env(LIBGL_ALWAYS_SOFTWARE="1", **extra)
        if self.glfw:
            env["LD_LIBRARY_PATH"] = os.pathsep.join(filter(None, [self.glfw, os.environ.get("LD_LIBRARY_PATH")]))
        if os.environ.get("JAGGO_PRELOAD"):
            env.setdefault("LD_PRELOAD", os.environ["JAGGO_PRELOAD"])
        return env

    def start(self, command, **extra):
        """A program on the compositor, its output read as xs.read_lines reads it."""
        proc = subprocess.Popen(command, env=self.program_env(**extra), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        proc.pending = b""
        return proc

    def key(self, *keys):
        found = x11.xdotool(self.display, "search", "--classname", "^weston").split()
        if not found:
            raise RuntimeError("weston made no X window")
        x11.xdotool(self.display, "windowfocus", "--sync", found[0])
        x11.xdotool(self.display, "key", *keys)
        xs.release_keys(self.display)


def errors(err):
    """A program's standard error without libdecor's lines about its missing plugins (GLFW 3.4)."""
    return [line for line in err.splitlines() if line not in weston.DECORATION_NOISE]
