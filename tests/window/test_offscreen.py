# jaggo tests: jaggo-verdict -o. Offscreen objects judged against anything but the samples the driver
# grants them (the GLX probe's own context asks the same driver), a driver whose objects report
# samples they do not draw (the fault shim's lying objects) passing as agreement, and a run without a
# display that tries a window or fails to reach EGL's device or surfaceless platform.
import json
import os
import re
import subprocess
import unittest

from harness import probes
from harness import xsession as xs

CONTRADICTED = 3


def verdict(env, *args, fault=None):
    """jaggo-verdict's (status, standard output lines, standard error) in env."""
    preload = [os.environ.get("JAGGO_PRELOAD")] + ([os.environ["GL_FAULT_SHIM"]] if fault else [])
    env = dict(env, LD_PRELOAD=":".join(p for p in preload if p), **({"JAGGO_GL_FAULT": fault} if fault else {}))
    r = subprocess.run([os.environ["JAGGO_VERDICT_BIN"], *args], env=env, stdin=subprocess.DEVNULL,
                       capture_output=True, text=True, timeout=120)
    return r.returncode, r.stdout.splitlines(), r.stderr


def granted_by_probe(env):
    """{(kind, asked): granted samples, or None where the request is refused}, and each kind's
    maximum, as the GLX probe's own context is answered."""
    granted, maximum = {}, {}
    for kind, asked, answer in (line.split() for line in probes.run(os.environ["GLX_PROBE"], env, "offscreen")
                                .splitlines()):
        if asked == "max":
            maximum[kind] = int(answer)
        else:
            granted[(kind, int(asked))] = None if answer == "refused" else int(answer)
    return granted, maximum


class Offscreen(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.display = xs.start_xvfb()

    @classmethod
    def tearDownClass(cls):
        xs.stop(cls.server)

    def assert_rows_as_granted(self, rows, granted):
        """Every count the probe asked, in order, each judged against what the driver granted it."""
        self.assertEqual([(r["kind"], r["asked"]) for r in rows], list(granted))
        for r in rows:
            with self.subTest(kind=r["kind"], asked=r["asked"]):
                self.assertEqual(r["granted"], granted[(r["kind"], r["asked"])])
                self.assertEqual(r["status"], 0)
                if r["granted"] is None:
                    self.assertTrue(r["verdict"].startswith("refused (GL_INVALID_"), r["verdict"])
                else:
                    self.assertEqual((r["left"]["samples"], r["right"]["samples"]), (1, max(1, r["granted"])))

    def test_objects_show_the_samples_their_driver_grants(self):
        # llvmpipe grants 4 samples to every request up to its maximum of 4; softpipe has none.
        for driver, most in (("llvmpipe", 4), ("softpipe", 1)):
            with self.subTest(driver=driver):
                env = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1", GALLIUM_DRIVER=driver)
                granted, maximum = granted_by_probe(env)
                self.assertEqual(maximum, {"renderbuffer": most, "texture": most})
                self.assertEqual({granted[(k, 1)] for k in maximum}, {most})
                status, out, err = verdict(env, "-q", "-o", "-j")
                self.assertEqual((status, err), (0, ""))
                rows = [json.loads(line) for line in out]
                self.assertEqual(rows[0]["kind"], "window")
                self.assert_rows_as_granted(rows[1:], granted)
                self.assertEqual({r["max_samples"] for r in rows[1:]}, {most})

    def test_objects_that_report_samples_they_do_not_draw_are_contradictions(self):
        env = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1")
        status, out, _ = verdict(env, "-q", "-o", fault="objects")
        self.assertEqual(status, CONTRADICTED)
        header = next(i for i, line in enumerate(out)
                      if line.split() == ["kind", "asked", "granted", "seen", "samples", "verdict"])
        self.assertRegex(out[header - 1], r"^Offscreen: GL_MAX_SAMPLES 4: .*GL_MAX_COLOR_TEXTURE_SAMPLES 4: ")
        made = [re.split(r"\s{2,}", line.strip(), 5) for line in out[header + 1:] if "refused" not in line]
        self.assertEqual(len(made), 8)
        for kind, asked, granted, seen, samples, said in made:
            self.assertEqual((granted, seen), ("8", "4"))
            # A texture's own samples are read, as many as it has; a renderbuffer's cannot be copied
            # into a texture of the 8 it claims, and its grey levels judge it.
            if kind == "texture":
                self.assertEqual((samples, said), ("4 distinct", "CONTRADICTION: the texture reports 8 samples, "
                                                                 "but 4 of them hold pictures of their own"))
            else:
                self.assertEqual((samples, said), ("not read", "CONTRADICTION: the renderbuffer reports 8 samples, "
                                                               "but the right square shows 4 samples"))

    def test_without_a_display_egl_makes_the_context(self):
        granted, _ = granted_by_probe(xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1"))
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["LIBGL_ALWAYS_SOFTWARE"] = "1"
        for forced, platform in ((None, "device"), ("surfaceless", "surfaceless")):
            with self.subTest(platform=platform):
                run_env = dict(env, **({"JAGGO_EGL_PLATFORM": forced} if forced else {}))
                status, out, err = verdict(run_env, "-o")
                self.assertEqual((status, err), (0, ""))
                self.assertTrue(out[0].startswith("Offscreen through EGL (%s platform, llvmpipe" % platform), out[0])
                status, out, err = verdict(run_env, "-o", "-j")
                rows = [json.loads(line) for line in out]
                self.assertEqual({r["context"] for r in rows}, {"EGL %s platform" % platform})
                self.assert_rows_as_granted(rows, granted)


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN", "GLX_PROBE"])
    unittest.main()
