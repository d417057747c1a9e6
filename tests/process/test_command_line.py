# jaggo tests: the real binary's command line, without a display.
# Usage text, exit statuses, and GLFW's errors when no display can be opened.
import os
import tempfile
import unittest

from harness import xsession

USAGE = ("Usage: jaggo [-h] [-s SAMPLES] [-x]\n"
         "  \n"
         " -h this help info \n"
         " -s request number of samples \n"
         " -x list of OpenGL extentions \n")
VERDICT_USAGE = ("Usage: jaggo-verdict [-h] [-s SAMPLES] [-x] [-q] [-a] [-j] [-o]\n"
                 " -h this help info\n"
                 " -s request number of samples\n"
                 " -x list of OpenGL extensions\n"
                 " -q end the run once the picture is judged\n"
                 " -a judge every sample count, one window after another\n"
                 " -j print the results as JSON, one object a window\n"
                 " -o judge multisampled renderbuffers and textures too; without a display,\n"
                 "    in an OpenGL context of EGL's (JAGGO_EGL_PLATFORM=device|surfaceless)\n")


def run(*args, program=None):
    """jaggo (or another program) with no display to open. XDG_RUNTIME_DIR is an empty private folder: with none set,
    the Wayland client library that GLFW 3.4 tries first adds its own complaint to GLFW's errors."""
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    if env.get("JAGGO_PRELOAD"):
        env["LD_PRELOAD"] = env["JAGGO_PRELOAD"]
    with tempfile.TemporaryDirectory() as runtime_dir:
        env["XDG_RUNTIME_DIR"] = runtime_dir
        return xsession.run([*(program or xsession.jaggo_command()), *args], env, timeout=30)


class CommandLine(unittest.TestCase):
    def test_help_prints_usage_and_succeeds(self):
        # Without a display, any attempt to open a window would fail loudly.
        for args in (["-h"], ["-x", "-h"], ["-s", "8", "-h"], ["-xh"], ["-h", "-q"]):
            with self.subTest(args=args):
                r = run(*args)
                self.assertEqual(r.stdout, USAGE, msg=repr(r))
                self.assertEqual(r.stderr, "")
                self.assertEqual(r.returncode, 0)

    def test_bad_options_print_usage_and_fail(self):
        for args in (["-q"], ["-s"], ["-x", "-s"], ["-q", "-h"], ["-:"], ["-xq"], ["-s8", "-y"]):
            with self.subTest(args=args):
                r = run(*args)
                self.assertEqual(r.stdout, USAGE, msg=repr(r))
                self.assertEqual(r.stderr, "")
                self.assertEqual(r.returncode, 1)

    def test_no_display_reports_glfw_errors_and_fails(self):
        for args in ([], ["-s", "0"], ["word", "-q"], ["--", "-q"]):
            with self.subTest(args=args):
                r = run(*args)
                self.assertEqual(r.returncode, 1)
                self.assertEqual(r.stdout, "")  # not even the request line
                lines = r.stderr.splitlines()
                self.assertGreaterEqual(len(lines), 1)
                for line in lines:
                    self.assertRegex(line, r"^Error: \S")


    def test_the_judging_program_takes_jaggos_options_and_its_own(self):
        verdict = [os.environ["JAGGO_VERDICT_BIN"]]
        for args, out, status in ((["-h"], VERDICT_USAGE, 0), (["-qajoh"], VERDICT_USAGE, 0),
                                  (["-y"], VERDICT_USAGE, 1), (["-s"], VERDICT_USAGE, 1)):
            with self.subTest(args=args):
                r = run(*args, program=verdict)
                self.assertEqual((r.stdout, r.stderr, r.returncode), (out, "", status))
        r = run("-q", program=verdict)  # no display: jaggo's own failure, not a verdict
        self.assertEqual((r.stdout, r.returncode), ("", 1))
        self.assertRegex(r.stderr, r"^Error: \S")


if __name__ == "__main__":
    unittest.main()
