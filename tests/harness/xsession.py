# jaggo tests: jaggo on a private X server: starting it, reading its output, driving and looking at it.
# Each test module starts its own Xvfb on a free display number with the product's display helpers
# (jaggo_display), which the headless run uses too; the view of windows from outside is the tests' own
# (x11, picture, coverage).
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import subprocess
import sys
import time
import unittest

from harness import layout, picture, x11
from harness.x11 import env_for, xlib
from jaggo_display import wait, xvfb

start_xvfb = xvfb.start
stop = xvfb.stop
wait_until = wait.until
screenshot = x11.read_window

SKIP = 77  # CTest's skip code when a needed tool is missing
RULE = "-" * 61  # the lines around jaggo's report block


def xdotool(display, *args):
    """xdotool on the display; after a key sent through XTEST, every key released (release_keys)."""
    out = x11.xdotool(display, *args)
    if args[0] in ("key", "keyup"):
        release_keys(display)
    return out


def release_keys(display):
    """Releases, through XTEST, every key the server still holds down.

    xdotool presses a key for the focused window through XTEST but sends its
    release to the window, and jaggo may close on the press: the release then
    fails and the key stays down. A server started with -noreset keeps it down
    for the next client, whose first auto-repeat event is a fresh press (a
    held Escape would close the next jaggo at once)."""
    lib = xlib()
    lib.XQueryKeymap.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
    xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    dpy = lib.XOpenDisplay(display.encode())
    if not dpy:
        raise RuntimeError("cannot open " + display)
    keys = ctypes.create_string_buffer(32)
    lib.XQueryKeymap(dpy, keys)
    for code in range(8, 256):
        if keys.raw[code // 8] >> (code % 8) & 1:
            xtst.XTestFakeKeyEvent(dpy, code, 0, 0)
    lib.XFlush(dpy)
    lib.XCloseDisplay(dpy)


def jaggo_bin():
    return os.environ["JAGGO_BIN"]


def jaggo_command():
    """jaggo's command line: the program, behind JAGGO_EMULATOR (Wine) for a Windows build."""
    emulator = os.environ.get("JAGGO_EMULATOR")
    return ([emulator] if emulator else []) + [jaggo_bin()]


def verdict_bin():
    return os.environ["JAGGO_VERDICT_BIN"]


def run_verdict(env, *args, fault=None):
    """jaggo-verdict's (status, standard output lines, standard error) in env, with the fault shim's
    fault injected where one is named (JAGGO_GL_FAULT through GL_FAULT_SHIM)."""
    preload = [os.environ.get("JAGGO_PRELOAD")] + ([os.environ["GL_FAULT_SHIM"]] if fault else [])
    env = dict(env, LD_PRELOAD=":".join(p for p in preload if p), **({"JAGGO_GL_FAULT": fault} if fault else {}))
    r = subprocess.run([verdict_bin(), *args], env=env, stdin=subprocess.DEVNULL, capture_output=True, text=True,
                       timeout=120)
    return r.returncode, r.stdout.splitlines(), r.stderr


def verdict_on(display, *args, fault=None):
    """run_verdict on the display, in software (Mesa's llvmpipe unless GALLIUM_DRIVER says otherwise)."""
    return run_verdict(env_for(display, LIBGL_ALWAYS_SOFTWARE="1"), *args, fault=fault)


def missing(what):
    """Ends a test that lacks a prerequisite: a skip that names it, or under CI (CI set), where
    scripts/install-deps.sh has installed every one, a failure that names it."""
    if os.environ.get("CI"):
        print("FAILED: a prerequisite is missing under CI: %s" % what)
        sys.exit(1)
    print("skipped: %s is missing" % what)
    sys.exit(SKIP)


def need(*tools, env=()):
    """Ends the test as missing() does unless every tool is on PATH and every variable set."""
    lacking = [t for t in tools if not shutil.which(t)] + [v for v in env if not os.environ.get(v)]
    if lacking:
        missing(", ".join(lacking))


def start_jaggo(display, *args, **env):
    return start_program(display, jaggo_command(), *args, **env)


def start_verdict(display, *args, **env):
    """jaggo-verdict on the display, started as start_jaggo starts jaggo."""
    return start_program(display, [verdict_bin()], *args, **env)


def start_program(display, command, *args, **env):
    if os.environ.get("JAGGO_PRELOAD"):
        env.setdefault("LD_PRELOAD", os.environ["JAGGO_PRELOAD"])
    proc = subprocess.Popen([*command, *args], env=env_for(display, **env), stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.pending = b""  # output read by read_lines beyond the lines it returned
    return proc


def communicate(proc, timeout=None):
    """The rest of jaggo's standard output and its standard error, as text with "\n" line ends."""
    if proc.stdout.closed:  # already collected
        out, err = b"", b""
    else:
        out, err = collect(proc, timeout)
    out, proc.pending = proc.pending + out, b""
    return text(out), text(err)


def collect(proc, timeout=None, quiet=0.3):
    """Reads proc's standard output and error until it has ended; then closes them.

    Unlike Popen.communicate this does not wait for the pipes' end once the
    program is gone: under Wine, its server and service processes keep copies
    of them open for as long as they run. What is still in the pipes is read
    until they stay quiet for `quiet` seconds."""
    end = None if timeout is None else time.monotonic() + timeout
    chunks = {proc.stdout.fileno(): [], proc.stderr.fileno(): []}
    open_fds = list(chunks)
    quiet_since = None
    while open_fds:
        if proc.poll() is not None:
            quiet_since = quiet_since or time.monotonic()
            if time.monotonic() - quiet_since > quiet:
                break
        elif end is not None and time.monotonic() > end:
            raise subprocess.TimeoutExpired(proc.args, timeout)
        ready, _, _ = select.select(open_fds, [], [], 0.05)
        for fd in ready:
            chunk = os.read(fd, 65536)
            if chunk:
                chunks[fd].append(chunk)
                quiet_since = None
            else:
                open_fds.remove(fd)
    proc.wait()
    proc.stdout.close()
    proc.stderr.close()
    out_fd, err_fd = chunks
    return b"".join(chunks[out_fd]), b"".join(chunks[err_fd])


def run(command, env, timeout):
    """Runs a program to its end like subprocess.run (output as text with "\n"
    line ends, standard input empty), without waiting for pipes it left open."""
    proc = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)
    try:
        out, err = collect(proc, timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        raise
    return subprocess.CompletedProcess(command, proc.returncode, text(out), text(err))


def text(data):
    """Output as text; Windows' "\r\n" line ends read as "\n"."""
    return data.decode(errors="replace").replace("\r\n", "\n")


def end(proc):
    """Kills jaggo if it still runs; returns the rest of its standard output and its standard error."""
    if proc.poll() is None:
        proc.kill()
    return communicate(proc)


def escape(display, proc, window, timeout):
    """Presses Escape in jaggo's window; its exit status, or None if it still runs after timeout seconds.
    (xdotool() releases the key should jaggo end before its release arrives.)"""
    xdotool(display, "key", "--window", window, "Escape")
    return wait_exit(proc, timeout)


def escape_by_pointer(display, proc, window, timeout):
    """Like escape, for a program that takes keys only through the input focus
    (Wine): with no window manager the focus follows the pointer, so the pointer
    goes into the window and Escape comes through XTEST, as from a keyboard."""
    xdotool(display, "mousemove", "--window", window, "10", "10")
    xdotool(display, "key", "Escape")
    return wait_exit(proc, timeout)


def title_pattern(rest="$"):
    """A regular expression for the window's title (layout.TITLE) followed by rest: jaggo-verdict's
    once judged is the title, ": " and the verdict."""
    return "^" + re.escape(layout.TITLE) + rest


def find_window(display, proc, timeout=20.0, name=None):
    """The id of jaggo's mapped window, titled as the layout says (or of one whose name matches the
    given regular expression, see title_pattern), or None."""
    return x11.find_window(display, name or title_pattern(), lambda: proc.poll() is None, timeout)


def read_lines(proc, count, timeout=20.0):
    """Reads count lines of jaggo's standard output as they come (fewer if it ends or times out).

    Each ends in "\n", also where the program wrote Windows' "\r\n"."""
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
    return [text(line + b"\n") for line in lines[:taken]]


def geometry(display, window):
    """(x, y, width, height) of a window."""
    out = subprocess.run(["xwininfo", "-id", window], env=env_for(display), capture_output=True,
                         text=True, timeout=10).stdout
    def field(name):
        return int(re.search(name + r":\s+(-?\d+)", out).group(1))
    return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))


def both_squares(display, window):
    """((width, height), left half's picture.square_stats, right half's) of the window as on screen."""
    width, height, rgb = screenshot(display, window)
    return ((width, height), *picture.both_squares(width, height, rgb))


def turned(shot):
    """How far the left square of a both_squares() picture stands turned, in degrees (None
    while the window shows no square)."""
    (_, height), left, _ = shot
    return picture.turned_degrees(left, height)


def turned_enough(shot):
    """A both_squares() picture whose squares have turned far enough for every edge to cross pixels."""
    (_, height), left, _ = shot
    return picture.turned_enough(left, height)


def drawn(shot):
    """A picture in which jaggo has drawn both squares."""
    return shot[1]["width"] > 0 and shot[2]["width"] > 0


def drawn_at(size):
    """A check for a picture of that size in which jaggo has drawn both squares for that size:
    centred at half the height and as tall as their side allows, turned or not. (Across, a
    narrow window cuts the squares off at its sides.)"""
    def check(shot):
        (w, h), left, right = shot
        side = layout.side(h)
        return (w, h) == tuple(size) and drawn(shot) and all(
            abs(sq["cy"] - h / 2) <= 2 and side - 2 <= sq["height"] <= side * 1.42 + 2 for sq in (left, right))
    return check


def wait_for_picture(display, window, proc, check, timeout=30.0):
    """The window's first both_squares() picture for which check(picture) holds, read back
    until timeout (a bound on a hang) or until jaggo ends; None then."""
    def holds():
        shot = both_squares(display, window)
        return shot if check(shot) else None
    return wait_until(lambda: proc.poll() is None, holds, timeout)


def report_block(strings):
    """The report block jaggo prints for a context whose driver gives these strings."""
    return [RULE + "\n",
            "GL Vendor    : %s\n" % strings["vendor"],
            "GL Renderer  : %s\n" % strings["renderer"],
            "GL Version   : %s\n" % strings["version"],
            "GL Version   : %s.%s\n" % (strings["major"], strings["minor"]),
            "GLSL Version : %s\n" % strings["glsl"],
            RULE + "\n"]


def wait_exit(proc, timeout):
    """jaggo's exit status, or None if it is still running after timeout seconds."""
    try:
        proc.wait(timeout)
    except subprocess.TimeoutExpired:
        return None
    return proc.returncode


close_via_window_manager = x11.close_window


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


class OnXvfb(unittest.TestCase):
    """Tests that share one private Xvfb for their class: cls.server and cls.display."""

    @classmethod
    def setUpClass(cls):
        cls.server, cls.display = start_xvfb()

    @classmethod
    def tearDownClass(cls):
        stop(cls.server)
