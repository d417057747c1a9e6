# jaggo tests: the real binary's command line, without a display.
# Usage text, exit statuses, and GLFW's errors when no display can be opened.
import json
import os
import tempfile
import unittest

from harness import xsession

USAGE = ("Usage: jaggo [-h] [-s SAMPLES] [-x]\n"
         "  \n"
         " -h this help info \n"
         " -s request number of samples \n"
         " -x list of OpenGL extentions \n")



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
        usage = run("-h", program=verdict).stdout
        self.assertTrue(usage.startswith("Usage: jaggo-verdict [-h] [-s SAMPLES] [-x] "), usage)
        for args in (["-qajoh"], ["--help"], ["-s", "8", "--help"], ["-e", "4", "-h"]):
            with self.subTest(args=args):
                r = run(*args, program=verdict)
                self.assertEqual((r.stdout, r.stderr, r.returncode), (usage, "", 0))
        for args in (["-V"], ["--version"], ["-q", "--version"]):
            with self.subTest(args=args):
                r = run(*args, program=verdict)
                self.assertEqual((r.stdout, r.stderr, r.returncode),
                                 ("jaggo-verdict %s\n" % os.environ["JAGGO_VERSION"], "", 0))
        # Usage errors: the usage on standard error alone, nothing on standard output, status 2.
        for args in (["-y"], ["-s"], ["-e"], ["-p"], ["--helpful"], ["-j", "-z"]):
            with self.subTest(args=args):
                r = run(*args, program=verdict)
                self.assertEqual((r.stdout, r.stderr, r.returncode), ("", usage, 2))
        for value in ("0", "-1", "4x", "", " 4", "+4", "99999999999"):
            with self.subTest(e=value):
                r = run("-e", value, program=verdict)
                self.assertEqual((r.stdout, r.returncode), ("", 2))
                self.assertEqual(r.stderr.splitlines()[1:], usage.splitlines())
                self.assertIn('-e takes a whole number', r.stderr.splitlines()[0])
        r = run("-p", "", program=verdict)
        self.assertEqual((r.stdout, r.stderr.splitlines()[1:], r.returncode), ("", usage.splitlines(), 2))
        self.assertIn("-p takes the name of a folder", r.stderr.splitlines()[0])

        r = run("-q", program=verdict)  # no display: jaggo's own failure, not a verdict
        self.assertEqual((r.stdout, r.returncode), ("", 1))
        self.assertRegex(r.stderr, r"^Error: \S")
        r = run("-q", "-j", program=verdict)  # with -j, still one object, with the error's own words
        (obj,) = (json.loads(line) for line in r.stdout.splitlines())
        self.assertEqual(r.returncode, 1)
        self.assertEqual((obj["kind"], obj["status"], obj["asked"], obj["left"]), ("window", 1, 4, None))
        self.assertEqual("Error: %s\n" % obj["error"], r.stderr.splitlines(keepends=True)[-1])

if __name__ == "__main__":
    unittest.main()
