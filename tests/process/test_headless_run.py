# jaggo tests: the README's run command without a display, on a real jaggo binary.
# It must print the report, leave an 800x400 screenshot and pass jaggo's status through.
import os
import struct
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
import xsession as xs  # noqa: E402

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "headless.sh")


def run(png, *args):
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if env.get("JAGGO_PRELOAD"):
        env["LD_PRELOAD"] = env["JAGGO_PRELOAD"]
    return subprocess.run(["bash", SCRIPT, xs.jaggo_bin(), png, *args], env=env, capture_output=True,
                          text=True, timeout=60, stdin=subprocess.DEVNULL)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    return struct.unpack(">II", head[16:24])


class HeadlessRun(unittest.TestCase):
    def test_window_runs_are_pictured_and_end_cleanly(self):
        for args, request in (([], "Requesting MSAA with 4 samples\n"),
                              (["-s", "0"], "Requesting that MSAA not be available\n")):
            with self.subTest(args=args), tempfile.TemporaryDirectory() as scratch:
                png = os.path.join(scratch, "jaggo.png")
                r = run(png, *args)
                self.assertEqual(r.returncode, 0, r.stderr)
                lines = r.stdout.splitlines(keepends=True)
                self.assertEqual(lines[0], request)
                self.assertTrue(lines[1].startswith("Context "), lines)
                self.assertEqual(lines[-1], "Screenshot of the window: %s\n" % os.path.realpath(png))
                self.assertEqual(png_size(png), (800, 400))

    def test_runs_without_a_window_pass_the_status_through(self):
        for args, status in ((["-h"], 0), (["-q"], 1), (["-s"], 1)):
            with self.subTest(args=args), tempfile.TemporaryDirectory() as scratch:
                png = os.path.join(scratch, "jaggo.png")
                r = run(png, *args)
                self.assertEqual(r.returncode, status)
                self.assertTrue(r.stdout.startswith("Usage: jaggo "), r.stdout)
                self.assertNotIn("Screenshot", r.stdout)
                self.assertFalse(os.path.exists(png))


if __name__ == "__main__":
    if not xs.have_tools("Xvfb", "xdotool", "import"):
        print("skipped: Xvfb, xdotool or ImageMagick's import is missing")
        sys.exit(xs.SKIP)
    unittest.main()
