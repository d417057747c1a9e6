# jaggo display: a private Xvfb on a free display number, for the headless run and the tests, and
# the environment of its clients.
import ctypes
import ctypes.util
import os
import select
import subprocess
import tempfile
import time

from . import wait


class StartError(RuntimeError):
    """A server that could not be started, with the reason (its own last words where it gave some)."""


_xlib = None


def xlib():
    """Xlib through ctypes, with the prototypes of what opening a display takes."""
    global _xlib
    if _xlib is None:
        lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        lib.XDefaultScreen.argtypes = [ctypes.c_void_p]
        lib.XFree.argtypes = [ctypes.c_void_p]
        _xlib = lib
    return _xlib


def env_for(display, **extra):
    """The environment of a client of the X display. GLFW 3.4 tries Wayland first unless the
    session type says X11, and the Wayland client library complains on standard error."""
    env = dict(os.environ)
    env.pop("WAYLAND_DISPLAY", None)
    env["DISPLAY"] = display
    env["XDG_SESSION_TYPE"] = "x11"
    env.update(extra)
    return env


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

    def opens():
        dpy = xlib().XOpenDisplay(display.encode())
        if dpy:
            xlib().XCloseDisplay(dpy)
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
