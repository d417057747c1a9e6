# jaggo tests: long runs on a private Xvfb: repeated start and Escape, jaggo's own live heap under
# resizes and Space presses, and the heap allocations of the steady frame loop (jaggo's, and
# jaggo-verdict's judged frame and the frames after it).
import os
import re
import subprocess
import tempfile
import time
import unittest

from harness import layout
from harness import xsession as xs
from harness import x11

DISPLAY = None
SERVER = None

CYCLES = 50
ROUNDS = 24  # of five resizes (Space on every other one), then back to the window's first size for a reading
WARM_UP_ROUNDS = 6
SIZES = [(640, 480), (1000, 700), (320, 200), (900, 300), (500, 500)]


def live_heap(path, proc):
    """jaggo's own live heap as the allocation counter keeps it: (frames, blocks, bytes), read from
    its file once two readings agree (the counter rewrites it after every frame)."""
    def reading():
        with open(path) as f:
            return tuple(int(n) for n in f.read().split()[:4])
    pair = xs.wait_until(lambda: proc.poll() is None,
                         lambda: (lambda a, b: a if a == b and len(a) == 4 else None)(reading(), reading()), 10)
    assert pair is not None, "no reading of the live heap"
    assert pair[3] == 0, "the counter's table overflowed: %d blocks not followed" % pair[3]
    return pair[:3]


def setUpModule():
    global SERVER, DISPLAY
    SERVER, DISPLAY = xs.start_xvfb()


def tearDownModule():
    xs.stop(SERVER)


class Soak(unittest.TestCase):
    def test_fifty_start_run_escape_cycles(self):
        failures = []
        start = time.monotonic()
        for cycle in range(CYCLES):
            proc = xs.start_jaggo(DISPLAY)
            try:
                window = xs.find_window(DISPLAY, proc)
                if window is None:
                    status = xs.wait_exit(proc, 5)
                    failures.append((cycle, "no window", status, xs.end(proc)))
                    continue
                xs.wait_for_picture(DISPLAY, window, proc, xs.drawn)  # the first frame, or its end
                status = xs.escape(DISPLAY, proc, window, 30)
            finally:
                out, err = xs.end(proc)
            if status != 0 or err != "" or "Requesting MSAA with 4 samples\n" not in out:
                failures.append((cycle, status, err[-2000:]))
        print("%d cycles in %.1f s" % (CYCLES, time.monotonic() - start))
        self.assertEqual(failures, [])

    def test_jaggos_own_heap_stays_flat_under_resizes_and_space(self):
        """What jaggo's code holds on the heap must not grow with resizes and Space: counted block by
        block (the allocation counter), which no driver's lazy frees and no machine load can move.
        The resident size is printed for information only. Under the sanitizers, whose allocator the
        counter cannot stand in front of, the run must still end cleanly, and leaks are reported at
        exit."""
        counter = os.environ.get("JAGGO_ALLOC_COUNTER")
        if not counter and not os.environ.get("JAGGO_SANITIZED"):
            self.fail("JAGGO_ALLOC_COUNTER is not set: an unsanitized build must count jaggo's heap")
        with tempfile.TemporaryDirectory() as scratch:
            live = os.path.join(scratch, "live")
            env = {"LD_PRELOAD": counter, "JAGGO_ALLOC_LIVE": live} if counter else {}
            proc = xs.start_jaggo(DISPLAY, **env)
            try:
                window = xs.find_window(DISPLAY, proc)
                self.assertIsNotNone(window, "no window")
                readings = []  # (frames, live blocks, live bytes) after each round, at the first size
                start = time.monotonic()
                for _ in range(ROUNDS):
                    for i, size in enumerate(SIZES + [layout.WINDOW_SIZE]):
                        xs.xdotool(DISPLAY, "windowsize", window, str(size[0]), str(size[1]))
                        if i % 2 == 0 and i < len(SIZES):
                            xs.xdotool(DISPLAY, "key", "--window", window, "space")
                        self.assertIsNotNone(xs.wait_for_picture(DISPLAY, window, proc, xs.drawn_at(size)),
                                             "no frame at %dx%d; status %s" % (*size, proc.poll()))
                    if counter:
                        readings.append(live_heap(live, proc))
                self.assertIsNone(proc.poll(), "jaggo ended during the resizes")
                rss, peak = xs.status_kib(proc.pid), xs.status_kib(proc.pid, "VmHWM")
                status = xs.escape(DISPLAY, proc, window, 15)
            finally:
                out, err = xs.end(proc)
        self.assertEqual(status, 0, err)
        self.assertEqual(err, "")
        print("%d resizes in %d rounds, %.1f s; VmRSS %s KiB, VmHWM %s KiB (information, not judged)"
              % (ROUNDS * (len(SIZES) + 1), ROUNDS, time.monotonic() - start, rss, peak))
        if not counter:
            print("jaggo's own heap not counted: no allocation counter in this build")
            return
        warm, last = readings[WARM_UP_ROUNDS], readings[-1]
        print("jaggo's own live heap: %d blocks, %d bytes after warm-up (frame %d); %d blocks, %d bytes "
              "at the end (frame %d)" % (warm[1], warm[2], warm[0], last[1], last[2], last[0]))
        self.assertGreater(last[0], warm[0])
        self.assertEqual(last[1:], warm[1:])


class FrameAllocations(unittest.TestCase):
    """jaggo and jaggo-verdict preloaded with the allocation counter (tests/tools/alloc_counter.cpp)."""

    def counted_run(self, command, title):
        """Runs command with the counter until 25 steady frames have begun, then presses Escape: its
        status, its standard output and the counter's figures."""
        counter = os.environ.get("JAGGO_ALLOC_COUNTER")
        if not counter:
            self.skipTest("JAGGO_ALLOC_COUNTER is not set")
        with tempfile.TemporaryDirectory() as scratch:
            report = os.path.join(scratch, "alloc.txt")
            proc = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                    stderr=subprocess.PIPE,
                                    env=xs.env_for(DISPLAY, LD_PRELOAD=counter, JAGGO_ALLOC_REPORT=report))
            proc.pending = b""
            try:
                window = x11.find_window(DISPLAY, title, lambda: proc.poll() is None)
                if window is None:
                    self.fail("no window: status %s, %r" % (proc.poll(), xs.end(proc)))
                # The counter marks the moment 25 steady frames have begun; a
                # loaded machine draws slowly, so wait for it rather than a time.
                xs.wait_until(lambda: proc.poll() is None, lambda: os.path.exists(report + ".ready"), 60)
                status = xs.escape(DISPLAY, proc, window, 30)
            finally:
                out, err = xs.end(proc)
            self.assertIsNotNone(status, "still running after Escape")
            self.assertEqual(err, "")
            with open(report) as f:
                lines = f.read().splitlines()
        figures = {}
        for line in lines:
            key, _, value = line.partition("=")
            if key != "steady_other_caller":
                figures[key] = int(value)
        callers = sorted({line.partition("=")[2] for line in lines if line.startswith("steady_other_caller=")})
        print("\n".join(line for line in lines if not line.startswith("steady_other_caller=")))
        print("library callers allocating in steady frames: " + ", ".join(callers))
        self.assertGreaterEqual(figures["steady_frames"], 20)
        return status, out, figures

    def test_steady_frames_allocate_nothing_in_our_code(self):
        status, out, figures = self.counted_run([*xs.jaggo_command(), "-x"], xs.title_pattern())
        self.assertEqual(status, 0)
        # The extension list after the report's second rule, one name a line.
        extensions = [line for line in out.split("-" * 61 + "\n", 2)[-1].splitlines() if line]
        self.assertGreater(len(extensions), 0, out)
        # The counter saw the loader's list, one block per name and the array:
        # our allocations are seen and attributed, so the zero below means something.
        self.assertGreaterEqual(figures["startup_ours"], len(extensions) + 1)
        self.assertEqual(figures["first_frame_ours"], 0)
        self.assertEqual(figures["steady_ours"], 0)

    def test_the_judged_frame_allocates_its_picture_once_and_later_frames_nothing(self):
        status, out, figures = self.counted_run([os.environ["JAGGO_VERDICT_BIN"]], xs.title_pattern(""))
        self.assertIn("\nVerdict: ", out)
        self.assertIn(status, (0, 3, 4), out)
        # One block for two pictures of the window's pixels, four bytes each, as the framebuffer has them:
        # the frame as drawn, and as its window shows it once presented (each sample's picture read
        # in turn where the latter goes). Where the samples are read one by one, two blocks more for
        # what is kept of them, together at most two pictures' size whatever their count.
        picture = layout.WINDOW_SIZE[0] * layout.WINDOW_SIZE[1] * 4
        samples_read = re.search(r"^Samples: \d+ read one by one", out, re.MULTILINE) is not None
        self.assertEqual(figures["first_frame_ours"], 3 if samples_read else 1, out)
        self.assertGreaterEqual(figures["first_frame_ours_bytes"], 2 * picture)
        self.assertLessEqual(figures["first_frame_ours_bytes"], (4 if samples_read else 2) * picture)
        self.assertEqual(figures["steady_ours"], 0)


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool")
    unittest.main(verbosity=2)
