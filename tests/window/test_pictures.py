# jaggo tests: jaggo-verdict -p on a private Xvfb. The PNG files, read by the tests' own decoder, held
# against what the run printed: the read-back's grey pixels against its counts, the magnified corners
# against the read-back they were cut from, the shown picture against the presented one; and a folder
# that cannot be written, or only partly, said without hiding the verdict.
import errno
import json
import os
import re
import tempfile
import unittest

from harness import layout
from harness import png
from harness import xsession as xs

FAILED = 1
CONTRADICTED = 3
# The corners as the bug report shows them: 48 pixels square, each drawn 6 times larger, framed by
# 2 grey pixels; the two side by side, and below them the same with intermediate pixels outlined.
CROP, ZOOM, BORDER = 48, 6, 2
TILE = CROP * ZOOM + 2 * BORDER
RED = (255, 0, 0)


verdict = xs.verdict_on


def pixel(picture, x, y):
    width, _, rgb = picture
    return tuple(rgb[(y * width + x) * 3:(y * width + x) * 3 + 3])


def grey(p):
    """Lit but not white: what multisampling makes of an edge pixel it covers in part."""
    return 0 < max(p) < 255


def greys(picture, x0, x1):
    width, height, _ = picture
    return sum(grey(pixel(picture, x, y)) for y in range(height) for x in range(x0, x1))


def crop(picture, x0, y0):
    """The rows of the CROP x CROP pixels from (x0, y0), as bytes."""
    width, _, rgb = picture
    return [rgb[((y0 + y) * width + x0) * 3:((y0 + y) * width + x0 + CROP) * 3] for y in range(CROP)]


def magnified(edges, left, top):
    """The crop a tile of the edges picture magnifies, read at its cells' centres, as crop gives it."""
    return [bytes(b for x in range(CROP) for b in pixel(edges, left + BORDER + x * ZOOM + ZOOM // 2,
                                                         top + BORDER + y * ZOOM + ZOOM // 2)) for y in range(CROP)]


def top_corner(picture, x0, x1):
    """The topmost row with lit pixels in columns x0..x1-1, and its first and last lit column."""
    width, height, _ = picture
    for y in range(height):
        lit = [x for x in range(x0, x1) if max(pixel(picture, x, y)) > 0]
        if lit:
            return y, lit[0], lit[-1]
    raise AssertionError("no lit pixel in columns %d..%d" % (x0, x1))


class Pictures(xs.OnXvfb):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.addCleanup(self.tmp.cleanup)

    def assert_edges_are_the_corners(self, edges_path, picture):
        """Each top tile is the 6-fold magnification of a crop of the picture at its square's top
        corner; its bottom twin outlines in red exactly the crop's grey pixels."""
        edges = png.read(edges_path)
        self.assertEqual(edges[:2], (2 * TILE, 2 * TILE))
        width = picture[0]
        for half in (0, 1):
            shown = magnified(edges, half * TILE, 0)
            y, first, last = top_corner(picture, half * width // 2, (half + 1) * width // 2)
            origins = [(x0, y0) for y0 in range(max(0, y - CROP + 1), y + 1)
                       for x0 in range(max(0, last - CROP + 1), first + 1) if crop(picture, x0, y0) == shown]
            self.assertTrue(origins, "tile %d is no crop of the picture at its square's top corner" % half)
            outlined = magnified(edges, half * TILE, TILE)
            self.assertEqual(outlined, shown)
            corners = [[pixel(edges, half * TILE + BORDER + x * ZOOM, TILE + BORDER + y * ZOOM) == RED
                        for x in range(CROP)] for y in range(CROP)]
            self.assertEqual(corners, [[grey(row[i:i + 3]) for i in range(0, len(row), 3)] for row in shown])
            frame = {pixel(edges, half * TILE + x, y) for x, y in ((0, 0), (1, 1), (TILE - 1, 2 * TILE - 2))}
            self.assertEqual(len(frame), 1)
            self.assertTrue(grey(next(iter(frame))) and len(set(next(iter(frame)))) == 1, frame)

    def assert_samples_where_read(self, samples_path, samples):
        """The samples picture: a grey frame, the pixel's square; in it a red dot where each sample was
        seen and a white ring round where it is reported, both as the JSON's positions put them."""
        width, height, _ = picture = png.read(samples_path)
        row = [pixel(picture, x, height // 2) for x in range(width)]
        left, right = (x for x in (row.index((128, 128, 128)), width - 1 - row[::-1].index((128, 128, 128))))
        side = right - left - 1

        def at(position):
            return left + 1 + position[0] * side, left + 1 + (1 - position[1]) * side

        for seen, reported in zip(samples["positions_seen"], samples["positions_reported"]):
            x, y = at(seen)
            self.assertEqual(pixel(picture, int(x), int(y)), RED)
            x, y = at(reported)
            ring = {pixel(picture, int(x + dx), int(y + dy)) for dx in range(-9, 10) for dy in range(-9, 10)
                    if 5 <= (dx * dx + dy * dy) ** 0.5 <= 8}
            self.assertIn((255, 255, 255), ring)

    def test_the_pictures_are_those_the_verdict_stands_on(self):
        folder = os.path.join(self.tmp.name, "pictures ü")  # made by the run, spaces and UTF-8 bytes alike
        status, out, err = verdict(self.display, "-q", "-j", "-o", "-p", folder)
        self.assertEqual((status, err), (0, ""))
        objects = [json.loads(line) for line in out]
        window = objects[0]
        name = os.path.join(folder, "window-4")
        read_one_by_one = [name + "-samples.png"] if window["samples_read"]["readable"] else []
        self.assertEqual(window["pictures"], [name + ".png", name + "-edges.png"] + read_one_by_one + [name + "-shown.png"])
        if read_one_by_one:
            self.assert_samples_where_read(read_one_by_one[0], window["samples_read"])
        drawn = png.read(name + ".png")
        width, height, _ = drawn
        self.assertEqual((greys(drawn, 0, width // 2), greys(drawn, width // 2, width)),
                         (window["left"]["intermediate_pixels"], window["right"]["intermediate_pixels"]))
        self.assert_edges_are_the_corners(name + "-edges.png", drawn)
        shown = png.read(name + "-shown.png")
        presented = window["presented"]
        self.assertEqual((greys(shown, 0, width // 2), greys(shown, width // 2, width)),
                         (presented["left"]["intermediate_pixels"], presented["right"]["intermediate_pixels"]))
        self.assertFalse(presented["differs"])
        self.assertEqual(shown, drawn)  # both top row first

        made = [o for o in objects[1:] if o["granted"] is not None]
        self.assertTrue(made)
        for o in objects[1:]:
            with self.subTest(kind=o["kind"], asked=o["asked"]):
                name = os.path.join(folder, "%s-%d" % (o["kind"], o["asked"]))
                read_one_by_one = [name + "-samples.png"] if o["samples_read"]["readable"] else []
                self.assertEqual(o["pictures"], [name + ".png", name + "-edges.png"] + read_one_by_one
                                 if o in made else [])
                if read_one_by_one:
                    self.assert_samples_where_read(read_one_by_one[0], o["samples_read"])
                if o in made:
                    read = png.read(name + ".png")
                    self.assertEqual(greys(read, read[0] // 2, read[0]), o["right"]["intermediate_pixels"])
                    self.assert_edges_are_the_corners(name + "-edges.png", read)
        self.assertEqual(sorted(os.listdir(folder)),
                         sorted(os.path.basename(p) for o in objects for p in o["pictures"]))

    def test_a_folder_that_cannot_be_made_leaves_the_verdict_and_its_graver_status(self):
        folder = os.path.join(self.tmp.name, "a file")
        open(folder, "w").close()
        status, out, err = verdict(self.display, "-q", "-j", "-p", folder, fault="samples")  # claims 8 samples
        (window,) = (json.loads(line) for line in out)
        self.assertEqual((status, window["status"], window["pictures"]), (CONTRADICTED, CONTRADICTED, []))
        self.assertTrue(window["verdict"].startswith("CONTRADICTION: "), window["verdict"])
        self.assertEqual(err, "Error: cannot write pictures into %s: %s\n" % (folder, os.strerror(errno.ENOTDIR)))

    def test_a_partly_written_folder_lists_what_was_written_and_names_what_failed(self):
        folder = os.path.join(self.tmp.name, "pictures")
        os.makedirs(os.path.join(folder, "window-4-edges.png"))  # a folder where a file should go
        status, out, err = verdict(self.display, "-q", "-p", folder)
        self.assertEqual(status, FAILED)
        read_one_by_one = ("window-4-samples.png",) if any(re.match(r"Samples: \d+ read one by one", line) for line in out) else ()
        self.assertTrue(out[-2].startswith("Verdict: the picture agrees with the report"), out)
        written = [os.path.join(folder, name) for name in ("window-4.png", *read_one_by_one, "window-4-shown.png")]
        self.assertEqual(out[-1], "Pictures: " + " ".join(written))
        failed = os.path.join(folder, "window-4-edges.png")
        self.assertEqual(err, "Error: cannot write pictures into %s: %s: %s\n"
                         % (folder, failed, os.strerror(errno.EISDIR)))
        self.assertEqual(sorted(os.listdir(folder)), sorted(os.path.basename(p) for p in written + [failed]))
        self.assertEqual(png.read(written[0])[:2], png.read(written[-1])[:2])

    def test_a_file_being_written_into_the_folder_by_another_run_is_left_alone(self):
        folder = os.path.join(self.tmp.name, "pictures")
        os.makedirs(folder)
        theirs = os.path.join(folder, "window-4.png.tmp")  # the other run's picture, half written
        with open(theirs, "wb") as f:
            f.write(b"\x89PNG half")
        status, out, err = verdict(self.display, "-q", "-p", folder)
        self.assertEqual((status, err), (0, ""))
        with open(theirs, "rb") as f:
            self.assertEqual(f.read(), b"\x89PNG half")
        self.assertEqual(png.read(os.path.join(folder, "window-4.png"))[:2], tuple(layout.WINDOW_SIZE))
        self.assertEqual([name for name in os.listdir(folder) if name.endswith(".tmp")], ["window-4.png.tmp"])


if __name__ == "__main__":
    xs.need("Xvfb", env=["GL_FAULT_SHIM", "JAGGO_VERDICT_BIN"])
    unittest.main()
