# jaggo tests: jaggo-verdict -o. Offscreen objects judged against anything but the samples the driver
# grants them (the GLX probe's own context asks the same driver), a driver whose objects report
# samples they do not draw (the fault shim's lying objects) passing as agreement, fewer samples granted
# than asked or a glDisable(GL_MULTISAMPLE) ignored going unnamed, an expectation beyond every
# object's maximum taken for met, and a run without a display, or with one that cannot be reached,
# that tries a window, fails to reach EGL's device or surfaceless platform, fails without an object
# for each kind, or leaves out the driver's strings.
import json
import os
import re
import tempfile
import unittest

from harness import probes
from harness import xsession as xs

CONTRADICTED = 3
UNMET = 5


verdict = xs.run_verdict


TABLE_HEADER = ["kind", "asked", "granted", "seen", "samples", "verdict"]


def table_rows(out):
    """The offscreen table's rows: {(kind, asked): (granted, seen, samples, verdict)}; its cells stand
    two spaces or more apart."""
    rows = {}
    for line in out:
        if line.startswith(("renderbuffer ", "texture ")):
            kind, asked, *cells = re.split(r"\s{2,}", line.strip(), 5)
            rows[(kind, int(asked))] = tuple(cells)
    return rows


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


class Offscreen(xs.OnXvfb):
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
        # llvmpipe offers multisampled objects; softpipe may offer none.
        for driver in ("llvmpipe", "softpipe"):
            with self.subTest(driver=driver):
                env = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1", GALLIUM_DRIVER=driver)
                granted, maximum = granted_by_probe(env)
                if driver == "llvmpipe":
                    self.assertGreater(min(maximum.values()), 1, "llvmpipe offers no multisampled objects")
                status, out, err = verdict(env, "-q", "-o", "-j")
                self.assertEqual((status, err), (0, ""))
                rows = [json.loads(line) for line in out]
                self.assertEqual(rows[0]["kind"], "window")
                self.assert_rows_as_granted(rows[1:], granted)
                self.assertEqual({(r["kind"], r["max_samples"]) for r in rows[1:]}, set(maximum.items()))

    def test_objects_that_report_samples_they_do_not_draw_are_contradictions(self):
        # The shim makes every object report 8 samples; the driver grants what the probe says.
        env = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1")
        granted, maximum = granted_by_probe(env)
        made = {key: samples for key, samples in granted.items() if samples is not None}
        self.assertTrue(any(samples < 8 for samples in made.values()), "the driver grants 8 samples to every object")
        status, out, _ = verdict(env, "-q", "-o", fault="objects")
        self.assertEqual(status, CONTRADICTED)
        header = out.index(next(line for line in out if line.split() == TABLE_HEADER))
        self.assertRegex(out[header - 1], r"^Offscreen: GL_MAX_SAMPLES %d: .*GL_MAX_COLOR_TEXTURE_SAMPLES %d: "
                         % (maximum["renderbuffer"], maximum["texture"]))
        rows = table_rows(out)
        self.assertEqual([key for key, row in rows.items() if "refused" not in row[3]], list(made))
        for (kind, asked), drawn in made.items():
            granted_cell, seen, samples, said = rows[(kind, asked)]
            with self.subTest(kind=kind, asked=asked):
                self.assertEqual((granted_cell, seen), ("8", str(drawn)))
                if drawn == 8:
                    self.assertEqual(said, "agrees")
                elif kind == "texture":
                    # A texture's own samples are read, as many as it reports: those past what it
                    # stores hold no picture.
                    self.assertEqual((samples, said), ("%d distinct" % drawn, "CONTRADICTION: the texture reports "
                                                       "8 samples, but %d of them hold pictures of their own" % drawn))
                else:
                    # A renderbuffer is copied into a texture of the count it reports, where textures hold
                    # that many, and the copy is refused; else its grey levels judge it.
                    self.assertIn(samples, ("not read", "%d distinct" % drawn))
                    self.assertRegex(said, r"^CONTRADICTION: the renderbuffer reports 8 samples, but ")

    def test_what_the_driver_does_wrong_is_said_in_the_objects_rows(self):
        env = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1")
        _, maximum = granted_by_probe(env)
        # A driver that grants single-sampled renderbuffers whatever is asked: short of every count
        # but 1 within the maximum, and accepting the count beyond it.
        status, out, _ = verdict(env, "-q", "-o", fault="shortgrant")
        self.assertEqual(status, CONTRADICTED)
        rows = {key: row[3] for key, row in table_rows(out).items() if key[0] == "renderbuffer"}
        self.assertEqual(len(rows), maximum["renderbuffer"] + 1)
        for asked in range(2, maximum["renderbuffer"] + 1):
            self.assertEqual(rows[("renderbuffer", asked)], "CONTRADICTION: asked for %d samples, granted 0 "
                             "(OpenGL grants at least the count asked)" % asked)
        self.assertEqual(rows[("renderbuffer", maximum["renderbuffer"] + 1)], "agrees (beyond the maximum, accepted)")
        # A driver that ignores glDisable(GL_MULTISAMPLE): no control panel reaches the objects.
        status, out, _ = verdict(env, "-q", "-o", fault="disable")
        self.assertEqual(status, CONTRADICTED)
        said = [row[3] for row in table_rows(out).values() if "refused" not in row[3]]
        self.assertEqual(len(said), sum(maximum.values()))
        for line in said:
            self.assertRegex(line, r"^CONTRADICTION: the left square shows \d+ samples although multisampling is "
                                   r"off for it: glDisable\(GL_MULTISAMPLE\) was not honoured for the "
                                   r"(renderbuffer|texture)$")

    def test_without_a_display_egl_makes_the_context(self):
        on_display = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1")
        granted, _ = granted_by_probe(on_display)
        config = min(probes.sample_counts(on_display))
        strings = dict(line.split("=", 1) for line in probes.run(os.environ["GLX_PROBE"], on_display, "strings",
                                                                  str(config)).splitlines())
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
                # The same driver's strings, as its GLX context gives them.
                self.assertEqual({(r["vendor"], r["renderer"], r["version"], r["glsl_version"]) for r in rows},
                                 {(strings["vendor"], strings["renderer"], strings["version"], strings["glsl"])})

    def test_without_a_display_a_context_egl_cannot_make_fails_each_kind(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        status, out, err = verdict(dict(env, JAGGO_EGL_PLATFORM="neither"), "-o", "-j")
        self.assertEqual(status, 1)
        self.assertRegex(err, r"^Error: [^\n]*\n$")
        rows = [json.loads(line) for line in out]
        self.assertEqual([(r["kind"], r["status"], r["error"]) for r in rows],
                         [(kind, 1, err[len("Error: "):-1]) for kind in ("renderbuffer", "texture")])

    def test_a_display_that_cannot_be_reached_leaves_the_objects_to_egl(self):
        env = xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1")
        granted, _ = granted_by_probe(env)
        # A server gone, reached over TCP: its number may be taken again at once by another Xvfb, but
        # that one, like it, does not listen there.
        server, number = xs.start_xvfb()
        xs.stop(server)
        closed = "127.0.0.1" + number
        with tempfile.TemporaryDirectory() as runtime:  # where GLFW looks for Wayland first, empty
            env = dict(env, DISPLAY=closed, XDG_RUNTIME_DIR=runtime)
            status, out, err = verdict(env, "-o", "-j")
            self.assertEqual(status, 0)
            self.assertRegex(err, r"^(Error: [^\n]+\n)+$")  # GLFW's own, one or more
            rows = [json.loads(line) for line in out]
            self.assertEqual((rows[0]["kind"], rows[0]["status"]), ("window", 1))
            self.assert_rows_as_granted(rows[1:], granted)
            self.assertEqual(verdict(env, "-q")[0], 1)

    def test_an_expectation_beyond_the_maximum_is_not_met(self):
        _, maximum = granted_by_probe(xs.env_for(self.display, LIBGL_ALWAYS_SOFTWARE="1"))
        expected = 2 * max(maximum.values())
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["LIBGL_ALWAYS_SOFTWARE"] = "1"
        status, out, err = verdict(env, "-o", "-e", str(expected))
        self.assertEqual((status, err), (UNMET, ""))
        self.assertEqual(out[-1], "Expected: at least %d samples, but renderbuffers offer at most %d and textures "
                                  "at most %d" % (expected, maximum["renderbuffer"], maximum["texture"]))
        status, out, err = verdict(env, "-o", "-j", "-e", str(expected))
        rows = [json.loads(line) for line in out]
        self.assertEqual({r["expected"] for r in rows}, {expected})
        self.assertEqual([(r["kind"], r["asked"]) for r in rows if r["expectation_met"] is not None],
                         [(kind, maximum[kind] + 1) for kind in ("renderbuffer", "texture")])
        self.assertEqual({r["expectation_met"] for r in rows}, {None, False})


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN", "GLX_PROBE"])
    unittest.main()
