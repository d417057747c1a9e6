# jaggo tests: jaggo-verdict on the user's own display, as scripts/run.sh runs it there, with a driver
# that forces anti-aliasing (glDisable(GL_MULTISAMPLE) a no-op: the fault shim). Catches forced
# anti-aliasing passing as agreement, and a window that does not stay the user's once judged: it stays
# open until Escape, which ends the run with the contradiction's status. The display stands in for the
# user's: a private Xvfb where it offers multisampling, else weston nested in it, whose EGL offers it.
import os
import unittest

from harness import wayland
from harness import xsession as xs
from jaggo_display import choose

FORCED = ("Verdict: CONTRADICTION: the left square shows 4 samples although multisampling is off for it: "
          "the driver or its settings force anti-aliasing\n")


def fault():
    preload = ":".join(p for p in (os.environ.get("JAGGO_PRELOAD"), os.environ["GL_FAULT_SHIM"]) if p)
    return {"LD_PRELOAD": preload, "JAGGO_GL_FAULT": "disable"}


class OwnDisplay(unittest.TestCase):
    def check_judged_and_open(self, proc):
        """The report and the contradiction, with jaggo-verdict still running after it."""
        lines = xs.read_lines(proc, 16, timeout=30)
        print("".join(lines[1:2] + lines[9:]), end="")
        self.assertEqual(len(lines), 16, (lines, proc.poll()))
        self.assertEqual(lines[-1], FORCED)
        self.assertIsNone(proc.poll(), "jaggo-verdict ended once judged")

    def test_forced_anti_aliasing_is_a_contradiction_and_the_window_stays_open(self):
        server, display = xs.start_xvfb()
        try:
            on_x11 = choose.xvfb_multisampled(display)
            if on_x11:
                self.run_on_x11(display)
        finally:
            xs.stop(server)
        if not on_x11:
            self.run_on_weston()

    def run_on_x11(self, display):
        proc = xs.start_verdict(display, **fault())
        try:
            self.check_judged_and_open(proc)
            window = xs.find_window(display, proc, name=xs.title_pattern(": CONTRADICTION: "))
            self.assertIsNotNone(window, "no window titled with the verdict")
            status = xs.escape(display, proc, window, 30)
        finally:
            out, err = xs.end(proc)
        self.assertEqual((status, out, err), (3, "", ""))

    def run_on_weston(self):
        xs.need("weston")
        session = wayland.Session(wayland.glfw_dir())
        try:
            proc = session.start([xs.verdict_bin()], **fault())
            try:
                self.check_judged_and_open(proc)
                session.key("Escape")
                status = xs.wait_exit(proc, 30)
            finally:
                out, err = xs.end(proc)
        finally:
            session.stop()
        self.assertEqual((status, out, wayland.errors(err)), (3, "", []))


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool", env=["GL_FAULT_SHIM", "GLFW_WAYLAND_DIR"])
    unittest.main()
