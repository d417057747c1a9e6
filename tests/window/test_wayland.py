# jaggo tests: jaggo under a Wayland compositor (weston nested in a private Xvfb), where the context
# is EGL's. Catches a report that disagrees with the EGL display's configurations, multisampling
# that does not show, an Escape that does not end the run cleanly, and a compositor that dies
# mid-run reported as success: GLFW then closes the window as if the user had.
import os
import signal
import subprocess
import unittest

from harness import probes
from harness import xsession as xs
from jaggo_display import choose, picture, weston

RULE = "-" * 61
SESSION = None
GLFW_DIR = None  # holds Debian 12's Wayland build of libglfw.so.3 where the system GLFW lacks Wayland


def glfw_wayland_dir():
    """The folder of Debian's Wayland build of libglfw.so.3, which scripts/install-deps.sh test unpacks
    where the system GLFW has no Wayland (Debian 12); None where it is not there."""
    for dirpath, _, files in os.walk(os.environ["GLFW_WAYLAND_DIR"]):
        if "libglfw.so.3" in files:
            return dirpath
    return None


class Session(weston.Nested):
    """The product's nested weston, with the shell GLFW can use and every key released after each
    press: the session serves several jaggo runs, and a key left down would reach the next one."""

    def __init__(self, shell):
        self.SHELL = shell
        super().__init__()

    def key(self, *keys):
        super().key(*keys)
        xs.release_keys(self.display)


def start_session():
    """The kiosk shell where the system GLFW runs on Wayland (3.4): jaggo's window is then weston's
    whole output, the picture read back. GLFW 3.3 draws its own decorations, which the kiosk shell
    refuses with a protocol error: it gets the desktop shell, and no picture is judged."""
    return Session("desktop" if GLFW_DIR else "kiosk")


def setUpModule():
    global SESSION
    SESSION = start_session()


def tearDownModule():
    if SESSION is not None:
        SESSION.stop()


def start_jaggo(session, *args):
    # The display is software only: Mesa's software driver from the start, not after probing
    # for hardware and saying so on standard error (as scripts/headless.py does).
    env = session.env(LIBGL_ALWAYS_SOFTWARE="1")
    if GLFW_DIR:
        env["LD_LIBRARY_PATH"] = os.pathsep.join(filter(None, [GLFW_DIR, os.environ.get("LD_LIBRARY_PATH")]))
    if os.environ.get("JAGGO_PRELOAD"):
        env["LD_PRELOAD"] = os.environ["JAGGO_PRELOAD"]
    proc = subprocess.Popen([xs.jaggo_bin(), *args], env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.pending = b""
    return proc


def errors(err):
    """jaggo's standard error without libdecor's lines about its missing plugins (GLFW 3.4)."""
    return [line for line in err.splitlines() if line not in weston.DECORATION_NOISE]


def shown(session):
    """jaggo's squares in weston's output: the whole picture on the kiosk shell; on the desktop
    shell, enough white below the panel for the squares (not just the pointer)."""
    shot = session.screenshot()
    if GLFW_DIR:
        return shot[2].count(b"\xff" * 3) > 20000
    left, right = picture.both_squares(*shot)
    return left["width"] > 0 and right["width"] > 0


def turned(session):
    """The squares once they have turned far enough for every edge to cross pixels, or None."""
    shot = session.screenshot()
    left, right = picture.both_squares(*shot)
    return (left, right) if picture.turned_enough(left, shot[1]) else None


def run_jaggo(test, *args):
    """Starts jaggo on the compositor, reads its nine report lines, waits for its picture (on the
    kiosk shell, for the squares to turn) and ends it with Escape. Returns (report lines,
    standard error, squares or None)."""
    proc = start_jaggo(SESSION, *args)
    squares = None
    try:
        lines = xs.read_lines(proc, 9, timeout=30)
        alive = lambda: proc.poll() is None  # noqa: E731
        if xs.wait_until(alive, lambda: shown(SESSION), 30):
            if not GLFW_DIR:
                squares = xs.wait_until(alive, lambda: turned(SESSION), 30)
            SESSION.key("Escape")
        status = xs.wait_exit(proc, 30)
    finally:
        out, err = xs.end(proc)
    test.assertEqual(status, 0, (lines, out, err))
    test.assertEqual(len(lines), 9, (lines, out, err))
    test.assertEqual(out, "")  # no extension list asked for
    test.assertEqual(errors(err), [])
    if squares:
        print("grey edge pixels: left %d, right %d" % (squares[0]["greys"], squares[1]["greys"]))
    return lines, squares


class WaylandReport(unittest.TestCase):
    def check_block(self, lines):
        self.assertEqual(lines[0], RULE + "\n")
        self.assertEqual(lines[6], RULE + "\n")
        self.assertEqual([line[:15] for line in lines[1:6]],
                         ["GL Vendor    : ", "GL Renderer  : ", "GL Version   : ", "GL Version   : ",
                          "GLSL Version : "])

    def check_run(self, args, request, samples):
        """jaggo's request line, its context line against the EGL display's configs, and
        where there is a picture: grey edges on the right square exactly when samples > 0."""
        configs = probes.sample_counts(SESSION.env(), egl=True)
        samples = probes.expect_samples(configs, samples)
        lines, squares = run_jaggo(self, *args)
        print("wayland report: " + "".join(lines[:2]).replace("\n", " | "))
        self.assertEqual(lines[0], request)
        config = int(lines[1].split()[1])
        self.assertEqual(lines[1], probes.context_line(config, samples))
        self.assertEqual(configs.get(config), samples, "config %d of %r" % (config, configs))
        self.check_block(lines[2:9])
        if not GLFW_DIR:
            self.assertIsNotNone(squares, "the squares did not turn")
            left, right = squares
            self.assertEqual(left["greys"], 0)
            if samples:
                self.assertGreater(right["greys"], 200)
            else:
                self.assertEqual(right["greys"], 0)

    def test_default_run_reports_the_egl_config_and_smooths_the_right_square(self):
        self.check_run([], "Requesting MSAA with 4 samples\n", 4)

    def test_no_samples_reports_unavailable_and_smooths_nothing(self):
        self.check_run(["-s", "0"], "Requesting that MSAA not be available\n", 0)


class LostCompositor(unittest.TestCase):
    def test_a_compositor_killed_mid_run_is_an_error(self):
        session = start_session()
        try:
            proc = start_jaggo(session)
            try:
                lines = xs.read_lines(proc, 9, timeout=30)
                self.assertEqual(len(lines), 9, lines)
                session.weston.send_signal(signal.SIGKILL)
                status = xs.wait_exit(proc, 30)
            finally:
                _, err = xs.end(proc)
        finally:
            session.stop()
        print("after the compositor's end: status %s, %r" % (status, errors(err)))
        self.assertEqual(status, 1, err)
        self.assertRegex(errors(err)[-1], r"^Error: The Wayland connection was lost: \S")


if __name__ == "__main__":
    xs.need("weston", "Xvfb", "xdotool", env=["EGL_PROBE"])
    if not choose.glfw_has_wayland():
        GLFW_DIR = glfw_wayland_dir()
        if GLFW_DIR is None:
            xs.missing("Debian's libglfw3-wayland, unpacked in %s by scripts/install-deps.sh test"
                       % os.environ["GLFW_WAYLAND_DIR"])
    unittest.main()
