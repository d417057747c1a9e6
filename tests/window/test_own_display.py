# jaggo tests: the README's run command on the user's own X display (scripts/own_display.py), a private
# Xvfb standing in for it. Catches a read-back that changes what jaggo prints or how it ends, closes or
# moves the window or takes its focus, and a driver that forces anti-aliasing passing as agreement
# (where the display offers multisampling; elsewhere the run must agree that there is none).
import os
import subprocess
import sys
import tempfile
import unittest

from harness import probes
from harness import xsession as xs

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "own_display.py")
DISPLAY = None
SERVER = None


def setUpModule():
    global SERVER, DISPLAY
    SERVER, DISPLAY = xs.start_xvfb()


def tearDownModule():
    xs.stop(SERVER)


def report(*command, **env):
    """The nine report lines a command prints on the display, and its status after Escape."""
    proc = subprocess.Popen(command, env=xs.env_for(DISPLAY, **env), stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, stdin=subprocess.DEVNULL)
    proc.pending = b""
    try:
        lines = xs.read_lines(proc, 9, timeout=30)
        window = xs.find_window(DISPLAY, proc)
        return proc, window, lines
    except BaseException:
        xs.end(proc)
        raise


class OwnDisplay(unittest.TestCase):
    def test_forced_anti_aliasing_is_a_contradiction_and_the_window_stays_the_users(self):
        samples = probes.expect_samples(probes.sample_counts(xs.env_for(DISPLAY)))
        preload = ":".join(p for p in (os.environ.get("JAGGO_PRELOAD"), os.environ["GL_FAULT_SHIM"]) if p)
        fault = {"LD_PRELOAD": preload, "JAGGO_GL_FAULT": "disable"}
        alone, window, expected = report(xs.jaggo_bin(), **fault)
        self.assertEqual(xs.escape(DISPLAY, alone, window, 30), 0, xs.end(alone))
        xs.end(alone)

        scratch = tempfile.TemporaryDirectory()
        png = os.path.join(scratch.name, "jaggo.png")
        proc, window, lines = report(sys.executable, SCRIPT, xs.jaggo_bin(), png, **fault)
        try:
            self.assertEqual(lines, expected)  # jaggo's own lines, unchanged
            xs.wait_for_picture(DISPLAY, window, proc, xs.drawn)  # jaggo has shown and focused its window
            placed = (xs.geometry(DISPLAY, window), xs.xdotool(DISPLAY, "getwindowfocus"))
            said = xs.read_lines(proc, 4, timeout=30)
            print("".join(said), end="")
            self.assertEqual(said[0], "Screenshot of the window: %s\n" % png)
            if samples:
                self.assertRegex(said[2], r"^Coverage: left square 4 samples \(grey levels ")
                self.assertEqual(said[3], "Verdict: CONTRADICTION: the left square shows 4 samples although "
                                 "multisampling is off for it: the driver or its settings force anti-aliasing\n")
            else:  # a display without multisampling cannot show it forced
                self.assertEqual(said[3], "Verdict: the picture agrees with the report: no multisampling\n")
            # Read back and judged, the window is still open, where it was, with the focus where it was.
            self.assertIsNone(proc.poll())
            self.assertEqual((xs.geometry(DISPLAY, window), xs.xdotool(DISPLAY, "getwindowfocus")), placed)
            status = xs.escape(DISPLAY, proc, window, 30)
        finally:
            out, err = xs.end(proc)
            scratch.cleanup()
        self.assertEqual((status, out, err), (3 if samples else 0, "", ""))


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool", "xwininfo", env=["GL_FAULT_SHIM", "GLX_PROBE"])
    unittest.main()
