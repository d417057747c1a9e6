# jaggo display: a private weston compositor, nested in a private Xvfb or on another backend.
# Nested, its kiosk shell makes the one client window fill weston's 800x400 X window, read back as the picture.
import ctypes
import os
import shutil
import subprocess
import tempfile

from . import picture, wait, x11, xvfb

WIDTH, HEIGHT = 800, 400
# What GLFW's libdecor says on every start under a compositor without decoration plugins (none are
# installed with weston): neither jaggo's nor the driver's words, and it would bury the report.
DECORATION_NOISE = {"Couldn't open plugin directory: No such file or directory",
                    "No plugins found, falling back on no decorations"}


class Weston:
    """weston on a private socket in a private XDG_RUNTIME_DIR; its clients get env().
    Raises xvfb.StartError, with the end of weston's log, when it cannot start."""

    def __init__(self, backend_args, display=None, timeout=30.0):
        self.runtime_dir = tempfile.mkdtemp(prefix="jaggo-xdg-")  # 0700, as Wayland wants it
        self.socket = "jaggo-weston-%d" % os.getpid()
        server_env = x11.env_for(display) if display else self.env()
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

    def sample_counts(self):
        """The sample counts of the EGL configurations this compositor's clients may draw a window with
        (empty if EGL cannot be asked)."""
        return egl_sample_counts(os.path.join(self.runtime_dir, self.socket))

    def stop(self):
        xvfb.stop(self.weston)
        shutil.rmtree(self.runtime_dir, ignore_errors=True)


class Nested(Weston):
    """weston's X11 backend on a private Xvfb (its own, or the one given), with the kiosk shell: the
    client fills the output. The picture and the keys go through the Xvfb to weston's window, and
    weston passes the keys on to its focused client."""
    SHELL = "kiosk"

    def __init__(self, server=None):
        self.own_server = server is None
        self.xvfb, self.display = xvfb.start() if server is None else server
        try:
            # Weston draws the pointer into its output once it has been over its window:
            # keep the X pointer off the picture from the start.
            x11.xdotool(self.display, "mousemove", str(WIDTH + 100), str(HEIGHT + 100))
            super().__init__(["--backend=x11-backend.so", "--shell=%s-shell.so" % self.SHELL,
                              "--width=%d" % WIDTH, "--height=%d" % HEIGHT], self.display)
            found = x11.xdotool(self.display, "search", "--classname", "^weston").split()
            if not found:
                self.fail("weston made no X window")
            self.window = found[0]
        except BaseException:
            if self.own_server:
                xvfb.stop(self.xvfb)
            raise

    def screenshot(self):
        """weston's output, which the kiosk shell gives wholly to the client window."""
        return x11.read_window(self.display, self.window)

    def squares(self):
        return picture.both_squares(*self.screenshot())

    def key(self, *keys):
        """Keys pressed through XTEST on weston's window, given the X input focus first."""
        x11.xdotool(self.display, "windowfocus", "--sync", self.window)
        x11.xdotool(self.display, "key", *keys)

    def stop(self):
        super().stop()
        if self.own_server:
            xvfb.stop(self.xvfb)


EGL_PLATFORM_WAYLAND_KHR = 0x31D8
EGL_SAMPLES, EGL_SURFACE_TYPE, EGL_RENDERABLE_TYPE = 0x3031, 0x3033, 0x3040
EGL_WINDOW_BIT, EGL_OPENGL_BIT = 0x0004, 0x0008


def egl_sample_counts(socket):
    """The sample counts of the OpenGL window configurations that EGL offers on the Wayland socket
    (a path), as GLFW weighs them; empty if libwayland-client or libEGL cannot be had."""
    try:
        wl = ctypes.CDLL("libwayland-client.so.0")
        egl = ctypes.CDLL("libEGL.so.1")
    except OSError:
        return set()
    wl.wl_display_connect.restype = ctypes.c_void_p
    wl.wl_display_connect.argtypes = [ctypes.c_char_p]
    wl.wl_display_disconnect.argtypes = [ctypes.c_void_p]
    egl.eglGetPlatformDisplay.restype = ctypes.c_void_p
    egl.eglGetPlatformDisplay.argtypes = [ctypes.c_uint, ctypes.c_void_p, ctypes.c_void_p]
    egl.eglInitialize.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]
    egl.eglTerminate.argtypes = [ctypes.c_void_p]
    egl.eglGetConfigs.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    egl.eglGetConfigAttrib.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    native = wl.wl_display_connect(socket.encode())
    if not native:
        return set()
    counts = set()
    display = egl.eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, native, None)
    if display and egl.eglInitialize(display, None, None):
        number = ctypes.c_int(0)
        egl.eglGetConfigs(display, None, 0, ctypes.byref(number))
        configs = (ctypes.c_void_p * max(number.value, 1))()
        egl.eglGetConfigs(display, configs, number.value, ctypes.byref(number))

        def attribute(config, name):
            value = ctypes.c_int(0)
            egl.eglGetConfigAttrib(display, config, name, ctypes.byref(value))
            return value.value
        for config in configs[:number.value]:
            if (attribute(config, EGL_SURFACE_TYPE) & EGL_WINDOW_BIT
                    and attribute(config, EGL_RENDERABLE_TYPE) & EGL_OPENGL_BIT):
                counts.add(attribute(config, EGL_SAMPLES))
        egl.eglTerminate(display)
    wl.wl_display_disconnect(native)
    return counts
