# jaggo tests: jaggo-verdict on a private Xvfb. Its sweep's table and its JSON objects against the
# GLX probe of the same display, the window's presented picture read alike; a driver that smooths
# each frame at the swap, which only the presented picture shows, named in a contradiction; a 16-bit
# framebuffer's picture read at its own bits; an honest driver whose samples line up along the judged
# frame's edges not accused of fewer; and each picture it cannot judge, from a driver fault injected
# through the fault shim, said in one Verdict line with status 4, never taken for agreement; a sweep
# none of whose windows reaches -e's count held to it all the same.
import json
import os
import unittest

from harness import probes
from harness import xsession as xs

UNJUDGED = 4
CONTRADICTED = 3
UNMET = 5


verdict = xs.verdict_on


class Verdict(xs.OnXvfb):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.configs = probes.sample_counts(xs.env_for(cls.display))

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
                self.assertEqual(r["presented"], {"readable": True, "why_not": None, "left": r["left"],
                                                  "right": r["right"], "differs": False})
                self.assertEqual((r["status"], r["verdict"].split(":")[0]),
                                 (0, "the picture agrees with the report"))
                self.assertEqual(r["offered"], {"api": "GLX", "counts": offered})

        status, table, _ = verdict(self.display, "-a", fault="samples")  # a driver that claims 8 samples
        self.assertEqual(status, CONTRADICTED)
        strings = dict(line.split("=", 1) for line in probes.run(
            os.environ["GLX_PROBE"], xs.env_for(self.display), "strings", str(rows[0]["configuration"])).splitlines())
        self.assertTrue(table[0].startswith("Platform: GLX on X11; GLFW "), table[0])
        self.assertEqual(table[1], "Driver: %(vendor)s; %(renderer)s; %(version)s" % strings)
        self.assertEqual(table[2], "Sample counts offered by GLX: %s; asked %s"
                         % (" ".join(map(str, offered)), " ".join(map(str, asked))))
        self.assertEqual(table[3].split(),
                         ["asked", "configuration", "GL_SAMPLES", "seen", "shown", "samples", "verdict"])
        for line, r in zip(table[4:], rows):
            seen = str(max(1, r["gl_samples"]))
            self.assertEqual(line.split()[:5], [str(r["asked"]), str(r["configuration"]), "8", seen, seen])
            self.assertIn("  CONTRADICTION: ", line)

    def test_a_sweep_that_asks_for_less_than_expected_is_held_to_it(self):
        expected = 2 * max([16, *self.configs.values()])  # beyond every count the sweep asks for
        in_effect = max(1, probes.expect_samples(self.configs))
        status, out, err = verdict(self.display, "-a", "-e", str(expected))
        self.assertEqual((status, err), (UNMET, ""))
        self.assertEqual(out[-1], "Expected: at least %d samples, but %d take%s effect"
                         % (expected, in_effect, "s" if in_effect == 1 else ""))

    def test_smoothing_added_at_the_swap_is_named(self):
        status, out, err = verdict(self.display, "-q", fault="present")
        self.assertEqual((status, err), (CONTRADICTED, ""))
        print("".join(line + "\n" for line in out[9:]), end="")
        self.assertTrue(out[-5].startswith("Edges: left square 0 intermediate pixels,"), out[-5])  # as drawn
        self.assertRegex(out[-3], r"^Presented: left square grey levels [\d ]+, which fit no sample count, ")
        self.assertEqual(out[-1], "Verdict: CONTRADICTION: the window shows the squares' edges otherwise than "
                                  "they were drawn: the driver smooths the frame when it is presented")

    def test_a_16_bit_framebuffer_is_read_at_its_own_bits(self):
        # The shim's context says 5/6/5 bits and reads its picture back as such: white 248/252/248,
        # greys whose channels differ. An honest driver's picture, so the count the probe offers.
        in_effect = max(1, probes.expect_samples(self.configs))
        status, out, err = verdict(self.display, "-q", "-j", fault="rgb565")
        (r,) = (json.loads(line) for line in out)
        self.assertEqual((status, err), (0, ""), r["verdict"])
        self.assertEqual((r["left"]["samples"], r["right"]["samples"]), (1, in_effect))
        self.assertEqual(r["left"]["intermediate_pixels"], 0)
        self.assertEqual((r["presented"]["readable"], r["presented"]["differs"]), (True, False))

    def test_samples_lined_up_along_the_judged_frames_edges_are_not_taken_for_fewer(self):
        # An honest driver whose 4 samples pair up along the edges at the judged angle, where its
        # right square shows the level of 2 samples alone: the frames turned from it show all three.
        # Its samples are not read one by one, so the levels judge: every renderbuffer granted 4, and
        # the window where the display offers 4.
        status, out, err = verdict(self.display, "-q", "-s", "4", "-o", "-j", fault="lined_up")
        self.assertEqual(err, "")
        objects = [json.loads(line) for line in out]
        judged = [o for o in objects if o["kind"] == "renderbuffer" and o["granted"] == 4]
        self.assertTrue(judged, "no renderbuffer was granted 4 samples")
        if probes.expect_samples(self.configs) == 4:
            judged.append(objects[0])
        for o in judged:
            with self.subTest(kind=o["kind"], asked=o["asked"]):
                self.assertEqual((o["right"]["samples"], o["right"]["levels"]), (4, [64, 128, 191]))
                self.assertEqual((o["verdict"], o["status"]), ("the picture agrees with the report: 4 samples", 0))

    def test_the_platform_configuration_and_expectation_are_said_as_the_probe_sees_them(self):
        granted = probes.expect_samples(self.configs)
        in_effect = max(1, granted)
        status, out, err = verdict(self.display, "-q", "-e", str(in_effect + 1))  # more than the display has
        self.assertEqual((status, err), (UNMET, ""))
        self.assertEqual(out[-1], "Expected: at least %d samples, but %d take%s effect"
                         % (in_effect + 1, in_effect, "s" if in_effect == 1 else ""))
        self.assertTrue(out[-2].startswith("Verdict: the picture agrees with the report"), out)
        platform = next(line for line in out if line.startswith("Platform:"))
        self.assertRegex(platform, r"^Platform: GLX on X11; GLFW 3\.\d+\.\d+")

        status, out, err = verdict(self.display, "-q", "-j", "-x", "-e", str(in_effect))
        self.assertEqual((status, err), (0, ""))
        (r,) = (json.loads(line) for line in out)
        self.assertEqual((r["kind"], r["expected"], r["expectation_met"]), ("window", in_effect, True))
        self.assertEqual(r["platform"]["context_api"], "GLX")
        probe = dict(line.split() for line in probes.run(os.environ["GLX_PROBE"], xs.env_for(self.display),
                                                         "attributes", str(r["configuration"])).splitlines())
        caveats = {0x8000: "none", 0x8001: "slow", 0x800D: "non-conformant"}
        expected = {k: int(v) for k, v in probe.items() if k not in ("srgb_capable", "caveat")}
        expected["srgb_capable"] = bool(int(probe["srgb_capable"])) if "srgb_capable" in probe else None
        expected["caveat"] = caveats[int(probe["caveat"])]
        self.assertEqual(r["configuration_attributes"], expected)
        strings = dict(line.split("=", 1) for line in probes.run(
            os.environ["GLX_PROBE"], xs.env_for(self.display), "strings", str(r["configuration"])).splitlines())
        self.assertEqual(set(r["extensions"]), set(strings["extensions"].split()))

    def test_what_cannot_be_judged_says_why(self):
        refused = "the driver refused to read the framebuffer back (GL error 0x0502)"
        # laterreadback: a first frame that is not the scene whole, then a refused read of the next;
        # the first frame's readings are not what the verdict stands on.
        for fault, why in (("readback", refused), ("laterreadback", refused),
                           ("nopixels", "jaggo's framebuffer has no pixels (a minimised window?)"),
                           ("closed", "the window was closed before it was judged")):
            with self.subTest(fault=fault):
                status, out, err = verdict(self.display, "-q", fault=fault)
                self.assertEqual((status, err), (UNJUDGED, ""))
                self.assertRegex(out[1], r"^Context \d+ reports MSAA")
                self.assertEqual(out[-1], "Verdict: none could be made: " + why)
                self.assertFalse(any(line.startswith(("Edges:", "Coverage:")) for line in out))

    def test_a_refused_resolve_is_named_by_its_step(self):
        # The resolve of a multisampled picture, which every offscreen object needs, into a renderbuffer
        # whose storage the driver refuses.
        status, out, err = verdict(self.display, "-q", "-o", "-j", fault="resolve")
        self.assertEqual((status, err), (UNJUDGED, ""))
        made = [o for o in map(json.loads, out[1:]) if (o["granted"] or 0) > 1]
        self.assertTrue(made)
        for o in made:
            self.assertEqual(o["verdict"], "none could be made: the driver refused to make a renderbuffer to resolve "
                                           "the picture into (GL error 0x0505)")


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN", "GLX_PROBE"])
    unittest.main()
