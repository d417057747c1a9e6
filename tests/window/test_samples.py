# jaggo tests: jaggo-verdict's samples read one by one on a private Xvfb: where it finds each sample
# of the window and of every offscreen object, against the GLX probe's own GL_SAMPLE_POSITION
# query; and each driver fault that only the samples show, injected through the fault shim: positions
# reported mirrored, a filtered resolve (both contradictions), and a copy the driver refuses (not
# readable, the verdict left to the grey levels).
import json
import os
import re
import unittest

import test_verdict
from harness import probes
from harness import xsession as xs

CONTRADICTED = 3


def probe_positions(display, configuration):
    """The probe's positions by buffer: "framebuffer" for the window's configuration, ("renderbuffer",
    asked) and ("texture", asked) for the offscreen objects; each a list of (x, y)."""
    positions = {}
    for line in probes.run(os.environ["GLX_PROBE"], xs.env_for(display), "positions",
                           str(configuration)).splitlines():
        *name, x, y = line.split()
        key = name[0] if len(name) == 1 else (name[0], int(name[1]))
        positions.setdefault(key, []).append((float(x), float(y)))
    return positions


class Samples(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.display = xs.start_xvfb()
        cls.granted = probes.expect_samples(probes.sample_counts(xs.env_for(cls.display)))

    @classmethod
    def tearDownClass(cls):
        xs.stop(cls.server)

    def test_each_sample_sits_where_the_probe_says(self):
        status, out, err = test_verdict.verdict(self.display, "-q", "-o", "-j")
        self.assertEqual((status, err), (0, ""))
        objects = [json.loads(line) for line in out]
        window = objects[0]
        probe = probe_positions(self.display, window["configuration"])
        read = 0
        for o in objects:
            key = "framebuffer" if o["kind"] == "window" else (o["kind"], o["asked"])
            with self.subTest(object=key):
                s = o["samples_read"]
                if len(probe.get(key, [])) < 2:  # one sample, or a count refused: nothing read one by one
                    self.assertFalse(s["readable"], s)
                    continue
                read += 1
                expected = probe[key]
                self.assertTrue(s["readable"], s)
                self.assertEqual(s["distinct"], len(expected))
                for said, seen, (x, y) in zip(s["positions_reported"], s["positions_seen"], expected):
                    self.assertAlmostEqual(said[0], x, places=3)
                    self.assertAlmostEqual(said[1], y, places=3)
                    # The measure: within 1/64 pixel of what the driver answers.
                    self.assertLessEqual(abs(seen[0] - x), 1 / 64)
                    self.assertLessEqual(abs(seen[1] - y), 1 / 64)
                self.assertEqual((s["resolve_is_mean"], s["left_samples_alike"], s["copies_at"]), (True, True, None))
        self.assertEqual(read > 0, self.granted > 1)

    def test_positions_reported_mirrored_are_named(self):
        status, out, _ = test_verdict.verdict(self.display, "-q", fault="mirrored")
        self.assertEqual(status, CONTRADICTED if self.granted > 1 else 0)
        if self.granted <= 1:
            return
        configuration = int(re.search(r"^Context (\d+)", out[1]).group(1))
        x, y = probe_positions(self.display, configuration)["framebuffer"][0]
        found = re.fullmatch(r"Verdict: CONTRADICTION: the context reports its sample positions mirrored top to "
                             r"bottom: sample 0 lies at ([\d.]+) ([\d.]+), reported at ([\d.]+) ([\d.]+)", out[-1])
        self.assertIsNotNone(found, out[-1])
        seen_x, seen_y, said_x, said_y = map(float, found.groups())
        self.assertLessEqual(max(abs(seen_x - x), abs(seen_y - y)), 0.02)
        self.assertLessEqual(max(abs(said_x - x), abs(said_y - (1 - y))), 0.01)

    def test_a_filtered_resolve_is_named(self):
        status, out, _ = test_verdict.verdict(self.display, "-q", fault="filtered")
        if self.granted <= 1:
            self.assertEqual(out[-2], "Samples: 1 sample: nothing to read one by one")
            return
        self.assertEqual(status, CONTRADICTED)
        self.assertTrue(out[-1].startswith("Verdict: CONTRADICTION: the driver's resolve is not the mean of its "
                                           "samples: a filtered resolve"), out[-1])

    def test_a_refused_copy_leaves_the_verdict_to_the_levels(self):
        status, out, _ = test_verdict.verdict(self.display, "-q")
        refused_status, refused, _ = test_verdict.verdict(self.display, "-q", fault="nocopy")
        self.assertEqual(refused_status, status)
        if self.granted > 1:
            self.assertTrue(refused[-2].startswith("Samples: not readable here: "), refused[-2])
        coverage = next(line for line in out if line.startswith("Coverage:"))
        self.assertIn(coverage, refused)
        self.assertEqual(refused[-1], "Verdict: the picture agrees with the report: %s"
                         % ("%d samples" % self.granted if self.granted > 1 else "no multisampling"))


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN", "GLX_PROBE"])
    unittest.main()
