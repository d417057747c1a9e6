# jaggo tests: a private X server and the tools to drive and look at jaggo.
# Each test module starts its own Xvfb on a free display number.
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import subprocess
import time

SKIP = 77  # CTest's skip code when a needed tool is missing


def jaggo_bin():
    return os.environ["JAGGO_BIN"]


def have_tools(*names):
    return all(shutil.which(n) for n in names)


def start_xvfb(size="1024x768x24"):
    """Starts Xvfb on a free display; returns (process, ':N').

    -noreset: without it the server resets whenever its last client leaves (our
    own readiness probe, for one) and refuses connections for a moment."""
    read_fd, write_fd = os.pipe()
    proc = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size, "-nolisten", "tcp", "-noreset",
         "+extension", "GLX"],
        pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    with os.fdopen(read_fd, "rb") as r:
        while not number.endswith(b"\n"):
            chunk = r.read(1)
            if not chunk:
                break
            number += chunk
    if not number.strip():
        proc.kill()
        raise RuntimeError("Xvfb did not start")
    display = ":" + number.decode().strip()
    wait_for_clients(display)
    return proc, display


def wait_for_clients(display, timeout=10.0):
    """Returns once a client can open the display (one connection, closed at once)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    end = time.monotonic() + timeout
    while True:
        dpy = x11.XOpenDisplay(display.encode())
        if dpy:
            x11.XCloseDisplay(dpy)
            return
        if time.monotonic() > end:
            raise RuntimeError("no client can open " + display)
        time.sleep(0.05)


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def env_for(display, **extra):
    env = dict(os.environ)
    env.pop("WAYLAND_DISPLAY", None)
    env["DISPLAY"] = display
    env.update(extra)
    return env


def xdotool(display, *args, timeout=10):
    out = subprocess.run(["xdotool", *args], env=env_for(display), capture_output=True,
                         text=True, timeout=timeout)
    return out.stdout.strip()


def start_jaggo(display, *args, **env):
    if os.environ.get("JAGGO_PRELOAD"):
        env.setdefault("LD_PRELOAD", os.environ["JAGGO_PRELOAD"])
    proc = subprocess.Popen([jaggo_bin(), *args], env=env_for(display, **env), stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.pending = b""  # output read by read_lines beyond the lines it returned
    return proc


def communicate(proc, timeout=None):
    """The rest of jaggo's standard output and its standard error, as text."""
    if proc.stdout.closed:  # already collected
        out, err = b"", b""
    else:
        out, err = proc.communicate(timeout=timeout)
    out, proc.pending = proc.pending + out, b""
    return out.decode(errors="replace"), err.decode(errors="replace")


def end(proc):
    """Kills jaggo if it still runs; returns the rest of its standard output and its standard error."""
    if proc.poll() is None:
        proc.kill()
    return communicate(proc)


def escape(display, proc, window, timeout):
    """Presses Escape in jaggo's window; its exit status, or None if it still runs after timeout seconds.

    jaggo ends on the press. When the window has the focus xdotool presses the key
    through XTEST, and its release then finds no window and is never sent: the
    server, kept alive across clients (-noreset), would hold Escape down for the
    next jaggo (which then ends at once, or misses the next press). Released here."""
    xdotool(display, "key", "--window", window, "Escape")
    status = wait_exit(proc, timeout)
    xdotool(display, "keyup", "Escape")
    return status


def find_window(display, proc, timeout=20.0):
    """The id of jaggo's mapped "Jaggoscope" window, or None."""
    end = time.monotonic() + timeout
    while time.monotonic() < end and proc.poll() is None:
        ids = xdotool(display, "search", "--onlyvisible", "--name", "^Jaggoscope$").split()
        if ids:
            return ids[0]
        time.sleep(0.1)
    return None


def read_lines(proc, count, timeout=20.0):
    """Reads count lines of jaggo's standard output as they come (fewer if it ends or times out)."""
    fd = proc.stdout.fileno()
    end = time.monotonic() + timeout
    while proc.pending.count(b"\n") < count and time.monotonic() < end:
        ready, _, _ = select.select([fd], [], [], max(0.0, end - time.monotonic()))
        if not ready:
            break
        chunk = os.read(fd, 65536)
        if not chunk:
            break
        proc.pending += chunk
    lines = proc.pending.split(b"\n")
    taken = min(count, len(lines) - 1)
    proc.pending = b"\n".join(lines[taken:])
    return [line.decode(errors="replace") + "\n" for line in lines[:taken]]


def geometry(display, window):
    """(x, y, width, height) of a window."""
    out = subprocess.run(["xwininfo", "-id", window], env=env_for(display), capture_output=True,
                         text=True, timeout=10).stdout
    def field(name):
        return int(re.search(name + r":\s+(-?\d+)", out).group(1))
    return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))


def screenshot(display, window):
    """The window's pixels as read back from the X server: (width, height, rgb bytes)."""
    data = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"], env=env_for(display),
                          capture_output=True, timeout=20, check=True).stdout
    m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    width, height = int(m.group(1)), int(m.group(2))
    return width, height, data[m.end():m.end() + width * height * 3]


def save_png(display, window, path):
    subprocess.run(["import", "-window", window, path], env=env_for(display), check=True, timeout=20)


def wait_exit(proc, timeout):
    """jaggo's exit status, or None if it is still running after timeout seconds."""
    try:
        proc.wait(timeout)
    except subprocess.TimeoutExpired:
        return None
    return proc.returncode


def close_via_window_manager(display, window):
    """Sends the WM_DELETE_WINDOW request a window manager sends when the user closes a window."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise RuntimeError("cannot open " + display)
    ev = ClientMessage()
    ev.type = 33  # ClientMessage
    ev.window = int(window)
    ev.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    ev.format = 32
    ev.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    ev.data[1] = 0  # CurrentTime
    x11.XSendEvent(dpy, int(window), 0, 0, ctypes.byref(ev))
    x11.XFlush(dpy)
    x11.XCloseDisplay(dpy)


def status_kib(pid, field="VmRSS"):
    """A memory figure of a running process from /proc/PID/status, in KiB (None once it is gone)."""
    try:
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                if line.startswith(field + ":"):
                    return int(line.split()[1])
    except OSError:
        return None
    return None
