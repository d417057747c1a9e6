# jaggo display: a private Xvfb on a free display number, and the X-side tools that drive and read it.
# The headless run (scripts/headless.py) and the window tests both start their servers here.
import ctypes
import ctypes.util
import os
import select
import subprocess
import tempfile
import time

from display import picture, wait


class StartError(RuntimeError):
    """A server that could not be started, with the reason (its own last words where it gave some)."""


_xlib = None


def xlib():
    """Xlib through ctypes, its prototypes declared once for every helper here."""
    global _xlib
    if _xlib is None:
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x11.XDefaultScreen.argtypes = [ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XQueryKeymap.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        _xlib = x11
    return _xlib


def start(size="1024x768x24", timeout=30.0):
    """Starts Xvfb on a free display number (Xvfb picks it: -displayfd); returns (process, ':N')
    once a client can connect. Raises StartError with Xvfb's own output when it cannot start.

    -noreset: without it the server resets whenever its last client leaves (our
    own readiness probe, for one) and refuses connections for a moment."""
    log = tempfile.TemporaryFile()
    read_fd, write_fd = os.pipe()
    try:
        proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size, "-nolisten", "tcp", "-noreset",
             "+extension", "GLX"],
            pass_fds=(write_fd,), stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    except OSError as e:
        os.close(read_fd)
        os.close(write_fd)
        raise StartError("Xvfb could not be run: %s" % e) from None
    os.close(write_fd)
    number = b""
    end = time.monotonic() + timeout
    with os.fdopen(read_fd, "rb") as r:
        while not number.endswith(b"\n") and time.monotonic() < end:
            ready, _, _ = select.select([r], [], [], max(0.0, end - time.monotonic()))
            chunk = os.read(r.fileno(), 16) if ready else b""
            if not chunk:
                break
            number += chunk
    if not number.strip():
        stop(proc)
        log.seek(0)
        said = log.read().decode(errors="replace").strip().splitlines()[-3:]
        raise StartError("Xvfb did not start%s" % (": " + " / ".join(said) if said else " (it said nothing)"))
    log.close()
    display = ":" + number.decode().strip()
    wait_for_clients(display, proc)
    return proc, display


def wait_for_clients(display, server=None, timeout=10.0):
    """Returns once a client can open the display (one connection, closed at once)."""
    x11 = xlib()

    def opens():
        dpy = x11.XOpenDisplay(display.encode())
        if dpy:
            x11.XCloseDisplay(dpy)
        return bool(dpy)

    def alive():
        return server is None or server.poll() is None
    if wait.until(alive, opens, timeout):
        return
    if not alive():
        raise StartError("Xvfb on %s ended with status %s" % (display, server.returncode))
    raise StartError("no client can open " + display)


def stop(proc):
    """Ends a server (or any child) gently, then firmly; waits for it."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def env_for(display, **extra):
    """The environment of a client of the X display. GLFW 3.4 tries Wayland first unless the
    session type says X11, and the Wayland client library complains on standard error."""
    env = dict(os.environ)
    env.pop("WAYLAND_DISPLAY", None)
    env["DISPLAY"] = display
    env["XDG_SESSION_TYPE"] = "x11"
    env.update(extra)
    return env


def xdotool(display, *args, timeout=10):
    out = subprocess.run(["xdotool", *args], env=env_for(display), capture_output=True,
                         text=True, timeout=timeout)
    if args[0] in ("key", "keyup"):
        release_keys(display)
    return out.stdout.strip()


def release_keys(display):
    """Releases, through XTEST, every key the server still holds down.

    xdotool presses a key for the focused window through XTEST but sends its
    release to the window, and jaggo may close on the press: the release then
    fails and the key stays down. A server started with -noreset keeps it down
    for the next client, whose first auto-repeat event is a fresh press (a
    held Escape would close the next jaggo at once)."""
    x11 = xlib()
    xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise RuntimeError("cannot open " + display)
    keys = ctypes.create_string_buffer(32)
    x11.XQueryKeymap(dpy, keys)
    for code in range(8, 256):
        if keys.raw[code // 8] >> (code % 8) & 1:
            xtst.XTestFakeKeyEvent(dpy, code, 0, 0)
    x11.XFlush(dpy)
    x11.XCloseDisplay(dpy)


def find_window(display, name, alive, timeout=20.0):
    """The id of the first mapped window whose name matches the regular expression,
    polled until timeout or until alive() says its program has ended; None then."""
    def found():
        ids = xdotool(display, "search", "--onlyvisible", "--name", name).split()
        return ids[0] if ids else None
    return wait.until(alive, found, timeout, interval=0.1)


def screenshot(display, window):
    """The window's pixels as read back from the X server: (width, height, rgb bytes)."""
    data = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], env=env_for(display),
                          capture_output=True, timeout=20, check=True).stdout
    return picture.read_ppm(data)


GLX_SAMPLES = 100001


def glx_sample_counts(display):
    """The sample counts of the display's GLX framebuffer configurations (empty if GLX cannot be asked)."""
    try:
        gl = ctypes.CDLL("libGL.so.1")
        x11 = xlib()
    except OSError:
        return set()
    gl.glXGetFBConfigs.restype = ctypes.POINTER(ctypes.c_void_p)
    gl.glXGetFBConfigs.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    gl.glXGetFBConfigAttrib.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        return set()
    count = ctypes.c_int(0)
    configs = gl.glXGetFBConfigs(dpy, x11.XDefaultScreen(dpy), ctypes.byref(count))
    counts = set()
    for i in range(count.value if configs else 0):
        samples = ctypes.c_int(0)
        gl.glXGetFBConfigAttrib(dpy, configs[i], GLX_SAMPLES, ctypes.byref(samples))
        counts.add(samples.value)
    if configs:
        x11.XFree(configs)
    x11.XCloseDisplay(dpy)
    return counts
