# jaggo tests: the README's run command without a display (scripts/headless.py) on a real jaggo-verdict.
# Catches a run that changes jaggo's report, loses the verdict or jaggo-verdict's status (a driver's
# false sample count passing as agreement among them), buries the report under the software
# display's noise, or fails without saying why.
import os
import stat
import subprocess
import sys
import tempfile
import unittest

from harness import xsession as xs
from jaggo_display import private

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


def jaggos_own_lines(*args):
    """The nine lines jaggo itself prints on the kind of private display the headless run takes."""
    with tempfile.TemporaryDirectory() as runtime, private.Private(runtime) as display:
        proc = subprocess.Popen([xs.jaggo_bin(), *args], env=display.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        proc.pending = b""
        try:
            return xs.read_lines(proc, 9, timeout=30)
        finally:
            xs.end(proc)


def fake_program(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w") as f:
        f.write("#!/bin/sh\n" + text)
    os.chmod(path, stat.S_IRWXU)
    return path


class HeadlessRun(unittest.TestCase):
    def test_runs_print_jaggos_report_then_an_agreeing_verdict(self):
        for args in ([], ["-s", "0"]):
            with self.subTest(args=args):
                expected = jaggos_own_lines(*args)
                r = run(xs.verdict_bin(), *args)
                print(r.stdout, end="")
                # Nothing on standard error: no driver probing, no libdecor, no XDG_RUNTIME_DIR line.
                self.assertEqual((r.returncode, r.stderr), (0, ""))
                lines = r.stdout.splitlines(keepends=True)
                self.assertEqual(lines[:9], expected)
                self.assertEqual([line.split(":")[0] for line in lines[9:]],
                                 ["Platform", "Configuration", "Edges", "Coverage", "Presented", "Samples",
                                  "Verdict"])
                # The run takes a display that offers 4 samples (weston's EGL where the Xvfb's GLX has none).
                self.assertEqual(lines[-1], "Verdict: the picture agrees with the report: %s\n"
                                 % ("no multisampling" if args else "4 samples"))

    def test_a_driver_claiming_more_samples_than_it_draws_is_status_3(self):
        preload = ":".join(p for p in (os.environ.get("JAGGO_PRELOAD"), os.environ["GL_FAULT_SHIM"]) if p)
        r = run(xs.verdict_bin(), JAGGO_PRELOAD=preload, JAGGO_GL_FAULT="samples")
        print(r.stdout.splitlines()[-1])
        self.assertEqual((r.returncode, r.stderr), (3, ""))
        # Named by the grey levels, or where a multisampled texture holds 8 samples, by the samples
        # read one by one: their copy, or how many hold pictures of their own.
        self.assertRegex(r.stdout.splitlines()[-1], r"^Verdict: CONTRADICTION: the context reports 8 samples, but "
                         r"(the right square shows 4 samples$|its colour buffer copies only into a texture of 4 "
                         r"samples|4 of them hold pictures of their own)")

    def test_failures_are_one_line_and_status_1(self):
        with tempfile.TemporaryDirectory() as scratch:
            hung = fake_program(scratch, "hung", "exec sleep 60\n")
            fake_program(scratch, "Xvfb", "echo 'Fatal server error: no screens' >&2\nexit 1\n")
            cases = [
                ([], {}, "Usage: scripts/headless.py PROGRAM [arguments...]"),
                ([scratch], {}, "headless: %s is not a program that can be run" % scratch),
                ([xs.verdict_bin()], {"path": scratch}, "headless: Xvfb did not start: Fatal server error: no screens"),
                ([hung], {"JAGGO_HEADLESS_TIMEOUT": "2"}, "headless: hung did not end within 2 s"),
            ]
            for args, env, line in cases:
                with self.subTest(line=line):
                    r = run(*args, **env)
                    self.assertEqual((r.returncode, r.stdout, r.stderr), (1, "", line + "\n"))


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM"])
    unittest.main()
