# jaggo tests: start-up, request line, window and keys in a real X window.
# Runs the real binary on a private Xvfb with Mesa's software renderer. Catches a wrong request
# line, title or size, and keys (or the window manager's close request) that do not do their job.
import time
import unittest

from harness import layout
from harness import xsession as xs

DISPLAY = None
SERVER = None


def setUpModule():
    global SERVER, DISPLAY
    SERVER, DISPLAY = xs.start_xvfb()


def tearDownModule():
    xs.stop(SERVER)


class Run:
    """One jaggo process with its window; ends it on exit."""

    def __init__(self, test, *args):
        self.test = test
        self.proc = xs.start_jaggo(DISPLAY, *args)
        self.window = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        xs.end(self.proc)

    def open_window(self):
        self.window = xs.find_window(DISPLAY, self.proc)
        if self.window is None:
            out, err = xs.communicate(self.proc, timeout=10) if self.proc.poll() is not None else ("", "")
            self.test.fail("no window; stdout=%r stderr=%r" % (out, err))
        return self.window

    def escape(self, timeout):
        return xs.escape(DISPLAY, self.proc, self.window, timeout)


class StartAndKeys(unittest.TestCase):
    def test_request_line_follows_the_samples_option(self):
        cases = [
            ([], "Requesting MSAA with 4 samples\n"),
            (["-s", "0"], "Requesting that MSAA not be available\n"),
            (["-s0"], "Requesting that MSAA not be available\n"),
            (["-s", "abc"], "Requesting that MSAA not be available\n"),
            (["-s", "-2"], "Requesting MSAA with -2 samples\n"),
            (["-s", "99999999999"], "Requesting MSAA with 2147483647 samples\n"),
            (["-s", "-99999999999"], "Requesting MSAA with -2147483648 samples\n"),
            (["-xs", "8"], "Requesting MSAA with 8 samples\n"),
            (["-s", "-h"], "Requesting that MSAA not be available\n"),
            (["-s", "2", "-s", "8", "word", "-h"], "Requesting MSAA with 8 samples\n"),
        ]
        for args, line in cases:
            with self.subTest(args=args), Run(self, *args) as run:
                self.assertEqual(xs.read_lines(run.proc, 1), [line])
                run.open_window()
                self.assertEqual(run.escape(timeout=30), 0)
                out, err = xs.communicate(run.proc)
                self.assertEqual(err, "")
                # -x (and only -x) lists the extensions after the block's closing rule.
                after_rule = out.split("-" * 61 + "\n", 2)[-1]
                self.assertEqual(after_rule != "", "-xs" in args, out)

    def first_frame(self, run, check=xs.drawn):
        """Waits for a picture of the window for which check holds (jaggo has drawn)."""
        shot = xs.wait_for_picture(DISPLAY, run.window, run.proc, check)
        self.assertIsNotNone(shot, "no such picture of jaggo's window; status %s" % run.proc.poll())
        return shot

    def test_window_title_size_and_escape(self):
        with Run(self) as run:
            window = run.open_window()
            self.assertEqual(xs.xdotool(DISPLAY, "getwindowname", window), layout.TITLE)
            self.assertEqual(xs.geometry(DISPLAY, window)[2:], layout.WINDOW_SIZE)
            self.first_frame(run)
            start = time.monotonic()
            self.assertEqual(run.escape(timeout=30), 0)
            print("Escape to exit: %.3f s" % (time.monotonic() - start))

    def test_window_manager_close_request_ends_the_run(self):
        with Run(self) as run:
            window = run.open_window()
            self.first_frame(run)
            xs.close_via_window_manager(DISPLAY, window)
            self.assertEqual(xs.wait_exit(run.proc, 30), 0)

    def test_other_keys_do_nothing(self):
        with Run(self) as run:
            window = run.open_window()
            # Turned first, so that the Space sent last shows when the keys have been handled:
            # afterwards the squares stand turned by at most the seconds since it was sent (a
            # degree a second, half a degree for the pixels), where without it they would stand
            # 3 degrees further on. That leaves seconds for a slow machine's pictures to lag.
            self.first_frame(run, lambda shot: (xs.turned(shot) or 0) >= 3.0)
            sent = time.monotonic()
            xs.xdotool(DISPLAY, "key", "--window", window, "a", "Return", "q", "space")
            self.first_frame(
                run, lambda shot: xs.turned(shot) is not None and xs.turned(shot) <= time.monotonic() - sent + 0.5)
            self.assertIsNone(run.proc.poll())
            self.assertEqual(run.escape(timeout=30), 0)


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool", "xwininfo")
    unittest.main()
