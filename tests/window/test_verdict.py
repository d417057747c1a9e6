# jaggo tests: jaggo-verdict on a private Xvfb. Its sweep's table and its JSON objects against the
# GLX probe of the same display; and each picture it cannot judge, from a driver fault injected
# through the fault shim, said in one Verdict line with status 4, never taken for agreement.
import json
import os
import subprocess
import unittest

from harness import probes
from harness import xsession as xs

UNJUDGED = 4
CONTRADICTED = 3


def verdict(display, *args, fault=None):
    """jaggo-verdict's (status, standard output lines, standard error) with the fault injected."""
    preload = [os.environ.get("JAGGO_PRELOAD")] + ([os.environ["GL_FAULT_SHIM"]] if fault else [])
    env = xs.env_for(display, LIBGL_ALWAYS_SOFTWARE="1", LD_PRELOAD=":".join(p for p in preload if p),
                     **({"JAGGO_GL_FAULT": fault} if fault else {}))
    r = subprocess.run([os.environ["JAGGO_VERDICT_BIN"], *args], env=env, stdin=subprocess.DEVNULL,
                       capture_output=True, text=True, timeout=120)
    return r.returncode, r.stdout.splitlines(), r.stderr


class Verdict(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.display = xs.start_xvfb()
        cls.configs = probes.sample_counts(xs.env_for(cls.display))

    @classmethod
    def tearDownClass(cls):
        xs.stop(cls.server)

    def test_the_sweep_judges_every_offered_count_as_the_probe_lists_them(self):
        status, out, err = verdict(self.display, "-a", "-j")
        self.assertEqual((status, err), (0, ""))
        offered = sorted(set(self.configs.values()))
        rows = [json.loads(line) for line in out]
        asked = [r["asked"] for r in rows]
        # Each count once, in order, every count the display offers among them.
        self.assertEqual(asked, sorted(set(asked) | {n for n in offered if n > 1}))
        granted = probes.expect_samples(self.configs)
        for r in rows:
            with self.subTest(asked=r["asked"]):
                self.assertEqual(self.configs[r["configuration"]], r["gl_samples"])
                self.assertEqual(r["gl_samples"], granted if r["asked"] else 0)
                self.assertEqual((r["left"]["samples"], r["right"]["samples"]), (1, max(1, r["gl_samples"])))
                self.assertEqual((r["status"], r["verdict"].split(":")[0]),
                                 (0, "the picture agrees with the report"))

        status, table, _ = verdict(self.display, "-a", fault="samples")  # a driver that claims 8 samples
        self.assertEqual(status, CONTRADICTED)
        self.assertEqual(table[0], "Sample counts offered by GLX: %s; asked %s"
                         % (" ".join(map(str, offered)), " ".join(map(str, asked))))
        self.assertEqual(table[1].split(), ["asked", "configuration", "GL_SAMPLES", "seen", "verdict"])
        for line, r in zip(table[2:], rows):
            self.assertEqual(line.split()[:5], [str(r["asked"]), str(r["configuration"]), "8",
                                                str(max(1, r["gl_samples"])), "CONTRADICTION:"])

    def test_what_cannot_be_judged_says_why(self):
        for fault, why in (("readback", "the driver refused to read the framebuffer back (GL error 0x0502)"),
                           ("nopixels", "jaggo's framebuffer has no pixels (a minimised window?)"),
                           ("closed", "the window was closed before it was judged")):
            with self.subTest(fault=fault):
                status, out, err = verdict(self.display, "-q", fault=fault)
                self.assertEqual((status, err), (UNJUDGED, ""))
                self.assertRegex(out[1], r"^Context \d+ reports MSAA")
                self.assertEqual(out[-1], "Verdict: none could be made: " + why)
                self.assertFalse(any(line.startswith(("Edges:", "Coverage:")) for line in out))


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN", "GLX_PROBE"])
    unittest.main()
