# jaggo tests: the context report and the picture, checked against the X server. Catches a report that
# disagrees with what GLX says directly, multisampling, Space or resizes that do not show in the pixels
# read back from the screen, and jaggo-verdict judging other samples than its window shows or not
# showing its verdict in the title.
import math
import os
import re
import time
import unittest

from harness import coverage, layout, probes
from harness import xsession as xs

DISPLAY = None
SERVER = None


def setUpModule():
    global SERVER, DISPLAY
    SERVER, DISPLAY = xs.start_xvfb()


def tearDownModule():
    xs.stop(SERVER)


def probe(*args, **env):
    return probes.run(os.environ["GLX_PROBE"], xs.env_for(DISPLAY, **env), *args)


def config_samples():
    """Sample count of every GLX framebuffer configuration of the display, by id."""
    return probes.sample_counts(xs.env_for(DISPLAY))


def driver_strings(config, **env):
    return dict(line.split("=", 1) for line in probe("strings", str(config), **env).splitlines())


def both_squares(window):
    return xs.both_squares(DISPLAY, window)


class Jaggo:
    """A running jaggo with its report read and its window found."""

    def __init__(self, test, *args, **env):
        self.test = test
        self.args = args
        self.proc = xs.start_jaggo(DISPLAY, *args, **env)

    def __enter__(self):
        self.lines = xs.read_lines(self.proc, 9)
        self.window = xs.find_window(DISPLAY, self.proc)
        if self.window is None or len(self.lines) < 9:
            out, err = xs.end(self.proc)
            self.test.fail("jaggo did not start: %r %r %r" % (self.lines, out, err))
        return self

    def __exit__(self, *exc):
        xs.end(self.proc)

    def key(self, *keys):
        xs.xdotool(DISPLAY, "key", "--window", self.window, *keys)

    def finish(self):
        """Escape; returns (status, rest of standard output, standard error)."""
        status = xs.escape(DISPLAY, self.proc, self.window, 5.0)
        out, err = xs.communicate(self.proc)
        return status, out, err


class Report(unittest.TestCase):
    def check_block(self, lines, strings):
        self.assertEqual(lines, xs.report_block(strings))

    def test_default_run_reports_what_the_display_offers(self):
        configs = config_samples()
        samples = probes.expect_samples(configs)
        with Jaggo(self) as run:
            self.assertEqual(run.lines[0], "Requesting MSAA with 4 samples\n")
            config = int(run.lines[1].split()[1])
            self.assertEqual(run.lines[1], probes.context_line(config, samples))
            self.assertEqual(configs.get(config), samples, "GLX configuration %d" % config)
            self.check_block(run.lines[2:9], driver_strings(config))
            status, rest, err = run.finish()
            self.assertEqual((status, rest, err), (0, "", ""))

    def test_no_samples_reports_unavailable(self):
        configs = config_samples()
        with Jaggo(self, "-s", "0") as run:
            self.assertEqual(run.lines[0], "Requesting that MSAA not be available\n")
            config = int(run.lines[1].split()[1])
            self.assertEqual(run.lines[1], probes.context_line(config, 0))
            self.assertEqual(configs.get(config), 0)
            self.assertEqual(run.finish()[0], 0)

    def test_extension_list_is_the_contexts(self):
        with Jaggo(self, "-x") as run:
            config = int(run.lines[1].split()[1])
            status, rest, err = run.finish()
            self.assertEqual((status, err), (0, ""))
            listed = rest.splitlines()
            expected = driver_strings(config)["extensions"].split()
            self.assertGreater(len(listed), 50)
            self.assertEqual(sorted(listed), sorted(expected))

    def test_old_context_falls_back_to_the_version_and_extension_strings(self):
        env = {"MESA_GL_VERSION_OVERRIDE": "2.1"}
        with Jaggo(self, "-x", **env) as run:
            config = int(run.lines[1].split()[1])
            strings = driver_strings(config, **env)
            self.assertTrue(strings["version"].startswith("2.1 "), strings["version"])
            self.assertEqual(run.lines[6], "GL Version   : 2.1\n")
            status, rest, err = run.finish()
            self.assertEqual((status, err), (0, ""))
            self.assertEqual(rest.splitlines(), strings["extensions"].split())


class Picture(unittest.TestCase):
    def picture(self, run, check, what):
        """The first picture of jaggo's window for which check holds (a bound only stops a hang)."""
        shot = xs.wait_for_picture(DISPLAY, run.window, run.proc, check)
        self.assertIsNotNone(shot, "%s: no such picture; jaggo's status %s" % (what, run.proc.poll()))
        return shot

    def turned_picture(self, run):
        """Once the squares have turned far enough for every edge to cross pixels."""
        return self.picture(run, xs.turned_enough, "turned squares")

    def test_multisampling_smooths_only_the_right_square_where_offered(self):
        samples = probes.expect_samples(config_samples())
        with Jaggo(self) as run:
            (w, h), left, right = self.turned_picture(run)
            self.assertEqual((w, h), layout.WINDOW_SIZE)
            for square, cx in zip((left, right), layout.centres(w, h)):
                self.assertAlmostEqual(square["cx"], cx, delta=2)
                self.assertAlmostEqual(square["cy"], h / 2, delta=2)
            print("grey edge pixels with %d samples offered: left %d, right %d"
                  % (samples, left["greys"], right["greys"]))
            # Where the display offers none, both squares are drawn alike, with one sample.
            self.assertIsNone(coverage.both_squares_fault(*xs.screenshot(DISPLAY, run.window), max(samples, 1)))
            self.assertEqual(run.finish()[0], 0)

    def test_without_samples_neither_square_is_smoothed(self):
        with Jaggo(self, "-s", "0") as run:
            _, left, right = self.turned_picture(run)
            print("grey edge pixels with 0 samples: left %d, right %d" % (left["greys"], right["greys"]))
            self.assertEqual((left["greys"], right["greys"]), (0, 0))
            self.assertGreater(left["width"], 200)
            self.assertGreater(right["width"], 200)
            self.assertEqual(run.finish()[0], 0)

    def test_jaggo_verdicts_samples_are_those_its_window_shows(self):
        samples = max(probes.expect_samples(config_samples()), 1)
        proc = xs.start_verdict(DISPLAY)
        try:
            lines = xs.read_lines(proc, 16, timeout=30)
            self.assertEqual(len(lines), 16, (lines, proc.poll()))
            print("".join(lines[9:]), end="")
            self.assertEqual(re.findall(r"(?:left|right) square (\d+) sample", lines[12]), ["1", str(samples)])
            # Its window's own contents, read once presented, show what it drew.
            self.assertEqual(lines[13], "Presented: " + lines[12][len("Coverage: "):])
            window = xs.find_window(DISPLAY, proc, name=xs.title_pattern(": "))
            self.assertIsNotNone(window, "no window titled with the verdict")
            self.assertEqual(xs.xdotool(DISPLAY, "getwindowname", window),
                             layout.TITLE + ": " + lines[15][len("Verdict: "):].rstrip("\n"))
            # Read from outside, the turning squares show the samples the display offers.
            self.assertIsNotNone(xs.wait_for_picture(DISPLAY, window, proc, xs.turned_enough))
            self.assertIsNone(coverage.both_squares_fault(*xs.screenshot(DISPLAY, window), samples))
            status = xs.escape(DISPLAY, proc, window, 30)
        finally:
            out, err = xs.end(proc)
        self.assertEqual((status, out, err), (0, "", ""))

    @staticmethod
    def axis_aligned(shot, size, reset_at):
        """Both squares stand as Space left them at reset_at (a monotonic time), in a picture of
        that size: turned since by at most a degree per second elapsed, however slowly the frame
        came. Returns None when they do, else what is wrong."""
        (w, h), left, right = shot
        if (w, h) != size:
            return "a picture of %dx%d" % (w, h)
        side = layout.side(h)
        turned = math.radians(time.monotonic() - reset_at)
        widest = side * (math.cos(turned) + math.sin(turned))
        for square, cx in zip((left, right), layout.centres(w, h)):
            for extent in (square["width"], square["height"]):
                if not side - 2 <= extent <= widest + 2:
                    return "a square of %s" % square
            if abs(square["cx"] - cx) > 2 or abs(square["cy"] - h / 2) > 2:
                return "a square of %s" % square
        return None

    def check_space_aligns(self, run, size):
        """Space turns both squares back: a picture of the given size shows them axis-aligned."""
        reset_at = time.monotonic()
        run.key("space")
        shot = xs.wait_for_picture(DISPLAY, run.window, run.proc,
                                   lambda shot: self.axis_aligned(shot, size, reset_at) is None)
        if shot is None:
            self.fail("after Space: " + str(self.axis_aligned(xs.both_squares(DISPLAY, run.window), size,
                                                             reset_at)))

    def test_space_turns_back_and_resizes_keep_the_shape(self):
        with Jaggo(self) as run:
            self.turned_picture(run)
            self.check_space_aligns(run, layout.WINDOW_SIZE)
            for size in ((900, 500), (1000, 300)):
                xs.xdotool(DISPLAY, "windowsize", run.window, str(size[0]), str(size[1]))
                self.picture(run, xs.drawn_at(size), "resized to %dx%d" % size)
                self.check_space_aligns(run, size)
            self.assertEqual(run.finish()[0], 0)

    def test_held_space_resets_the_clock_once(self):
        with Jaggo(self) as run:
            xs.xdotool(DISPLAY, "keydown", "--window", run.window, "space")
            # The server repeats the held key meanwhile (from 0.66 s on, 25 times a second):
            # repeated resets would keep the squares at their starting angle for ever.
            shot = self.picture(run, lambda shot: (xs.turned(shot) or 0) >= 2.0, "squares turning with Space held")
            xs.xdotool(DISPLAY, "keyup", "--window", run.window, "space")
            self.assertGreater(shot[1]["width"], 248, shot[1])
            self.assertEqual(run.finish()[0], 0)


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool", "xwininfo", env=["GLX_PROBE"])
    unittest.main()
