# jaggo tests: jaggo-verdict's samples read one by one on a private Xvfb: where it finds each sample
# of the window and of every offscreen object, against the GLX probe's own GL_SAMPLE_POSITION
# query; and each driver fault that only the samples show, injected through the fault shim: positions
# reported mirrored, a filtered resolve (both contradictions), and a copy the driver refuses (not
# readable, the verdict left to the grey levels).
import json
import os
import re
import unittest

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


class Samples(xs.OnXvfb):
    def test_each_sample_sits_where_the_probe_says(self):
        status, out, err = xs.verdict_on(self.display, "-q", "-o", "-j")
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
        self.assertGreater(read, 0, "no window or object was read one by one")

    def read_one_by_one(self, fault):
        """jaggo-verdict -q -o -j with the fault: each window or object of 2 samples or more, which the
        driver's objects always are where the display offers none, with its key for the probe."""
        _, out, _ = xs.verdict_on(self.display, "-q", "-o", "-j", fault=fault)
        objects = [json.loads(line) for line in out]
        multisampled = [o for o in objects if (o["gl_samples"] if o["kind"] == "window" else o["granted"] or 0) > 1]
        self.assertTrue(multisampled)
        return objects[0]["configuration"], [
            ("framebuffer" if o["kind"] == "window" else (o["kind"], o["asked"]), o) for o in multisampled]

    def test_positions_reported_mirrored_are_named(self):
        configuration, objects = self.read_one_by_one("mirrored")
        probe = probe_positions(self.display, configuration)
        for key, o in objects:
            with self.subTest(object=key):
                reporter = "the context" if key == "framebuffer" else "the " + key[0]
                found = re.fullmatch(r"CONTRADICTION: %s reports its sample positions mirrored top to bottom: "
                                     r"sample 0 lies at ([\d.]+) ([\d.]+), reported at ([\d.]+) ([\d.]+)" % reporter,
                                     o["verdict"])
                self.assertIsNotNone(found, o["verdict"])
                self.assertEqual(o["status"], CONTRADICTED)
                x, y = probe[key][0]
                seen_x, seen_y, said_x, said_y = map(float, found.groups())
                self.assertLessEqual(max(abs(seen_x - x), abs(seen_y - y)), 0.02)
                self.assertLessEqual(max(abs(said_x - x), abs(said_y - (1 - y))), 0.01)

    def test_a_filtered_resolve_is_named(self):
        _, objects = self.read_one_by_one("filtered")
        for key, o in objects:
            with self.subTest(object=key):
                self.assertEqual(o["status"], CONTRADICTED)
                self.assertTrue(o["verdict"].startswith("CONTRADICTION: the driver's resolve is not the mean of its "
                                                        "samples: a filtered resolve"), o["verdict"])

    def test_a_refused_copy_leaves_the_verdict_to_the_levels(self):
        # Without storage for a multisampled texture, no sample is copied and read: the window and the
        # renderbuffers keep the verdict of their levels (the textures themselves cannot be made).
        _, honest = self.read_one_by_one(None)
        _, refused = self.read_one_by_one("nocopy")
        refused = dict(refused)
        for key, o in honest:
            if key != "framebuffer" and key[0] == "texture":
                continue
            with self.subTest(object=key):
                r = refused[key]
                self.assertFalse(r["samples_read"]["readable"])
                self.assertTrue(r["samples_read"]["why_not"], r["samples_read"])
                self.assertEqual((r["right"], r["status"]), (o["right"], o["status"]))
                self.assertEqual(r["verdict"], "the picture agrees with the report: %d samples" % o["right"]["samples"])


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN", "GLX_PROBE"])
    unittest.main()
