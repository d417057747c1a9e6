# jaggo tests: the README's run command without a display (scripts/headless.py), on a real jaggo binary.
# Catches a run that loses the report, the picture or jaggo's status, counts edges the picture does not
# show, lets a driver's false sample count pass as agreement, buries the report under the software
# display's noise, or fails without saying why.
import os
import re
import stat
import struct
import subprocess
import sys
import tempfile
import unittest

from harness import probes
from harness import xsession as xs
from jaggo_display import choose, coverage, picture

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "headless.py")


def run(*args, path=None, **env):
    env = dict(os.environ, **env)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if env.get("JAGGO_PRELOAD"):
        env["LD_PRELOAD"] = env["JAGGO_PRELOAD"]
    if path:
        env["PATH"] = path + os.pathsep + env["PATH"]
    return subprocess.run([sys.executable, SCRIPT, *args], env=env, capture_output=True, text=True,
                          timeout=120, stdin=subprocess.DEVNULL)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    return struct.unpack(">II", head[16:24])


def png_lines(path):
    """The Edges and Coverage lines of the saved picture, read back by ImageMagick rather than by the script."""
    shot = xs.read_ppm(subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                                      check=True).stdout)
    return [picture.edges_line(*picture.both_squares(*shot)) + "\n",
            coverage.coverage_line(*coverage.both_squares(*shot)) + "\n"]


def samples_shown_by_default():
    """What a default run must show: 4 samples where its Xvfb offers them (GLX probe), or where
    it runs jaggo on weston nested in that Xvfb instead (whose EGL offers them: wayland_report);
    0 where neither."""
    server, display = xs.start_xvfb()
    try:
        glx = probes.sample_counts(xs.env_for(display))
    finally:
        xs.stop(server)
    if probes.expect_samples(glx) == 4 or (xs.have_tools("weston") and choose.glfw_has_wayland()):
        return 4
    return 0


def fake_program(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w") as f:
        f.write("#!/bin/sh\n" + text)
    os.chmod(path, stat.S_IRWXU)
    return path


class HeadlessRun(unittest.TestCase):
    def test_window_runs_are_pictured_judged_and_end_with_jaggos_status(self):
        for args, request, samples in (([], "Requesting MSAA with 4 samples\n", samples_shown_by_default()),
                                       (["-s", "0"], "Requesting that MSAA not be available\n", 0)):
            with self.subTest(args=args), tempfile.TemporaryDirectory() as scratch:
                png = os.path.join(scratch, "jaggo.png")
                r = run(xs.jaggo_bin(), png, *args)
                self.assertEqual(r.returncode, 0, r.stderr)
                # Nothing on standard error: no driver probing, no libdecor, no XDG_RUNTIME_DIR line.
                self.assertEqual(r.stderr, "")
                lines = r.stdout.splitlines(keepends=True)
                self.assertEqual(lines[0], request)
                self.assertEqual(lines[1], probes.context_line(int(lines[1].split()[1]), samples))
                self.assertEqual(lines[-4], "Screenshot of the window: %s\n" % os.path.realpath(png))
                self.assertEqual(png_size(png), (800, 400))
                self.assertEqual(lines[-3:-1], png_lines(png))
                print("".join([lines[1]] + lines[-3:]), end="")
                greys = [int(n) for n in re.findall(r"\d+", lines[-3])]
                self.assertEqual(greys[0], 0)
                if samples:
                    self.assertGreater(greys[1], 200)
                    self.assertIn("right square %d samples (grey levels " % samples, lines[-2])
                    self.assertEqual(lines[-1], "Verdict: the picture agrees with the report: %d samples\n" % samples)
                else:
                    self.assertEqual(greys[1], 0)
                    self.assertEqual(lines[-1], "Verdict: the picture agrees with the report: no multisampling\n")

    def test_a_driver_claiming_more_samples_than_it_draws_is_a_contradiction(self):
        samples = samples_shown_by_default()
        if not samples:
            self.skipTest("this display draws no multisampled picture to hold a claim against")
        with tempfile.TemporaryDirectory() as scratch:
            preload = ":".join(p for p in (os.environ.get("JAGGO_PRELOAD"), os.environ["GL_FAULT_SHIM"]) if p)
            r = run(xs.jaggo_bin(), os.path.join(scratch, "jaggo.png"), JAGGO_PRELOAD=preload, JAGGO_GL_FAULT="samples")
        print(r.stdout.splitlines()[-1])
        self.assertEqual((r.returncode, r.stderr), (3, ""))
        self.assertEqual(r.stdout.splitlines()[-1], "Verdict: CONTRADICTION: the context reports 8 samples, but "
                         "the right square shows %d samples" % samples)

    def test_runs_without_a_window_pass_the_status_through(self):
        for args, status in ((["-h"], 0), (["-q"], 1), (["-s"], 1)):
            with self.subTest(args=args), tempfile.TemporaryDirectory() as scratch:
                png = os.path.join(scratch, "jaggo.png")
                r = run(xs.jaggo_bin(), png, *args)
                self.assertEqual(r.returncode, status)
                self.assertTrue(r.stdout.startswith("Usage: jaggo "), r.stdout)
                self.assertNotIn("Screenshot", r.stdout)
                self.assertFalse(os.path.exists(png))

    def test_failures_are_one_line_and_status_1(self):
        with tempfile.TemporaryDirectory() as scratch:
            png = os.path.join(scratch, "jaggo.png")
            no_window = fake_program(scratch, "no-window", "exec sleep 60\n")
            fake_program(scratch, "Xvfb", "echo 'Fatal server error: no screens' >&2\nexit 1\n")
            cases = [
                ([], {}, "Usage: scripts/headless.py JAGGO PNG [jaggo arguments...]"),
                ([xs.jaggo_bin(), png], {"path": scratch}, "headless: Xvfb did not start: Fatal server error: no screens"),
                ([no_window, png], {"JAGGO_HEADLESS_TIMEOUT": "2"}, "headless: jaggo showed no window within 2 s"),
            ]
            for args, env, line in cases:
                with self.subTest(line=line):
                    r = run(*args, **env)
                    self.assertEqual((r.returncode, r.stdout, r.stderr), (1, "", line + "\n"))


if __name__ == "__main__":
    xs.need("Xvfb", "xdotool", "convert", env=["GLX_PROBE", "GL_FAULT_SHIM"])
    unittest.main()
