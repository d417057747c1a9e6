# jaggo tests: the context report under a Wayland compositor, where the context is EGL's.
# The config id is checked against the EGL display; where the picture can be read back, its edges too.
import os
import shutil
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
import probes  # noqa: E402
import weston  # noqa: E402
import xsession as xs  # noqa: E402

RULE = "-" * 61
SESSION = None
GLFW_DIR = None  # holds Debian 12's Wayland build of libglfw.so.3 where the system GLFW lacks Wayland


def glfw_wayland_dir():
    """The unpacked libglfw3-wayland's library folder, fetched on first use; None if it cannot be had."""
    root = os.environ["GLFW_WAYLAND_DIR"]
    libdir = None
    for dirpath, _, files in os.walk(root):
        if "libglfw.so.3" in files:
            libdir = dirpath
    if libdir is not None:
        return libdir
    os.makedirs(root, exist_ok=True)
    if shutil.which("apt-get") is None or shutil.which("dpkg") is None:
        return None
    for name in os.listdir(root):
        if name.endswith(".deb"):
            os.remove(os.path.join(root, name))
    fetch = subprocess.run(["apt-get", "download", "libglfw3-wayland"], cwd=root,
                           capture_output=True, text=True, timeout=180)
    debs = [n for n in os.listdir(root) if n.endswith(".deb")]
    if fetch.returncode != 0 or not debs:
        print("apt-get download libglfw3-wayland failed: " + fetch.stderr.strip())
        return None
    subprocess.run(["dpkg", "-x", os.path.join(root, debs[0]), os.path.join(root, "root")], check=True)
    for dirpath, _, files in os.walk(os.path.join(root, "root")):
        if "libglfw.so.3" in files:
            return dirpath
    return None


def setUpModule():
    global SESSION
    SESSION = weston.headless() if GLFW_DIR else weston.Nested()


def tearDownModule():
    if SESSION is not None:
        SESSION.stop()


def run_jaggo(test, *args):
    """Starts jaggo on the compositor, reads its nine report lines, checks that it keeps drawing
    and ends it: Escape on the nested display (where the picture is also taken after two seconds
    of turning), SIGTERM on the headless one. Returns (report lines, standard error, squares or None)."""
    env = SESSION.env()
    if GLFW_DIR:
        env["LD_LIBRARY_PATH"] = os.pathsep.join(filter(None, [GLFW_DIR, os.environ.get("LD_LIBRARY_PATH")]))
    if os.environ.get("JAGGO_PRELOAD"):
        env["LD_PRELOAD"] = os.environ["JAGGO_PRELOAD"]
    proc = subprocess.Popen([xs.jaggo_bin(), *args], env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    proc.pending = b""
    squares = None
    try:
        lines = xs.read_lines(proc, 9, timeout=30)
        nested = isinstance(SESSION, weston.Nested)
        time.sleep(2.0 if nested else 1.0)  # an error or a crash would have ended it by now
        running = proc.poll() is None
        if running and nested:
            squares = SESSION.squares()
            SESSION.key("Escape")
        elif running:
            proc.send_signal(signal.SIGTERM)
        status = xs.wait_exit(proc, 10)
    finally:
        out, err = xs.end(proc)
    test.assertTrue(running, "jaggo ended by itself (status %s): %r %r %r" % (proc.returncode, lines, out, err))
    test.assertEqual(status, 0 if squares else -signal.SIGTERM, err)
    test.assertEqual(len(lines), 9, (lines, out, err))
    test.assertEqual(out, "")  # no extension list asked for
    test.assertNotIn("Error: ", err)
    if squares:
        print("grey edge pixels: left %d, right %d" % (squares[0]["greys"], squares[1]["greys"]))
    return lines, err, squares


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
        lines, _, squares = run_jaggo(self, *args)
        print("wayland report: " + "".join(lines[:2]).replace("\n", " | "))
        self.assertEqual(lines[0], request)
        config = int(lines[1].split()[1])
        self.assertEqual(lines[1], probes.context_line(config, samples))
        self.assertEqual(configs.get(config), samples, "config %d of %r" % (config, configs))
        self.check_block(lines[2:9])
        if squares:
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


if __name__ == "__main__":
    if not xs.have_tools("weston") or not os.environ.get("EGL_PROBE"):
        print("skipped: weston or the EGL probe is missing")
        sys.exit(xs.SKIP)
    if weston.glfw_has_wayland():  # weston nested in Xvfb, where the picture and keys reach jaggo
        if not xs.have_tools("Xvfb", "xdotool", "import"):
            print("skipped: Xvfb, xdotool or ImageMagick's import is missing")
            sys.exit(xs.SKIP)
    else:
        GLFW_DIR = glfw_wayland_dir()
        if GLFW_DIR is None:
            print("skipped: Debian's libglfw3-wayland could not be fetched")
            sys.exit(xs.SKIP)
    unittest.main()
