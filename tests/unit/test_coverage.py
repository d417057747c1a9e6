# jaggo tests: the picture's verdict on small synthetic pictures: squares turned on black and resolved
# here from N samples a pixel, independently of any driver. Catches a wrong sample count read from the
# grey levels, stray pixels that sway it, a gamma-correct resolve or an altered picture read as a count,
# and a verdict that calls a contradiction agreement.
import math
import unittest

from jaggo_display import coverage, verdict

WIDTH, HEIGHT, SIDE, TURN = 240, 120, 72, math.radians(7)


def sample_positions(samples):
    """A rook pattern: one sample on each row and column of an N by N grid, as drivers place them."""
    step = next(k for k in (3, 5, 7, 1) if math.gcd(k, samples) == 1)
    return [((i + 0.5) / samples, ((i * step) % samples + 0.5) / samples) for i in range(samples)]


def picture(left_samples, right_samples, gamma=False):
    """(width, height, rgb) of two turned white squares on black, each resolved from its sample count."""
    rgb = bytearray(WIDTH * HEIGHT * 3)
    cos, sin = math.cos(TURN), math.sin(TURN)
    for cx, samples in ((WIDTH / 4, left_samples), (3 * WIDTH / 4, right_samples)):
        positions = sample_positions(samples)
        for y in range(HEIGHT):
            for x in range(int(cx - HEIGHT / 2), int(cx + HEIGHT / 2)):
                covered = 0
                for sx, sy in positions:
                    dx, dy = x + sx - cx, y + sy - HEIGHT / 2
                    covered += abs(dx * cos + dy * sin) <= SIDE / 2 and abs(dy * cos - dx * sin) <= SIDE / 2
                share = covered / samples
                if gamma and 0 < share < 1:
                    share = 1.055 * share ** (1 / 2.4) - 0.055
                i = (y * WIDTH + x) * 3
                rgb[i:i + 3] = bytes([round(255 * share)] * 3)
    return WIDTH, HEIGHT, rgb


def paint(shot, x, y, width, height, colour):
    """Paints a rectangle over a picture, as a cursor or a compositor's shadow would."""
    w, _, rgb = shot
    for row in range(y, y + height):
        rgb[(row * w + x) * 3:(row * w + x + width) * 3] = bytes(colour) * width
    return shot


class Coverage(unittest.TestCase):
    def test_the_sample_count_is_read_from_the_recurring_grey_levels(self):
        for left_samples, right_samples, gamma, seen, levels in (
                (1, 4, False, (1, 4), [64, 128, 191]),
                (1, 8, False, (1, 8), [32, 64, 96, 128, 159, 191, 223]),
                (1, 2, False, (1, 2), [128]),
                (4, 4, False, (4, 4), [64, 128, 191]),
                (1, 4, True, (1, 4), [137, 188, 225])):
            with self.subTest(left=left_samples, right=right_samples, gamma=gamma):
                left, right = coverage.both_squares(*picture(left_samples, right_samples, gamma))
                self.assertEqual((left.samples, right.samples), seen)
                self.assertEqual(right.levels, levels)
                self.assertEqual(right.gamma, gamma)

    def test_a_few_stray_pixels_do_not_sway_the_count(self):
        shot = paint(picture(1, 4), 20, 10, 3, 2, (100, 100, 100))  # a grey cursor on the left
        shot = paint(shot, 200, 100, 4, 1, (40, 40, 40))            # a shadow's edge on the right
        shot = paint(shot, 150, 5, 5, 1, (200, 30, 30))             # coloured pixels are no grey level
        left, right = coverage.both_squares(*shot)
        self.assertEqual((left.samples, right.samples, right.levels), (1, 4, [64, 128, 191]))

    def test_levels_that_fit_no_count_give_no_count_and_no_verdict(self):
        # A scaled picture: each column of the right half one grey level darker than the last.
        width, height, rgb = picture(1, 1)
        for x in range(WIDTH // 2, WIDTH):
            paint((width, height, rgb), x, 0, 1, 30, [60 + (x - WIDTH // 2)] * 3)
        left, right = coverage.both_squares(width, height, rgb)
        self.assertIsNone(right.samples)
        self.assertIn("which fit no sample count", coverage.coverage_line(left, right))
        line, status = verdict.judge(4, left, right)
        self.assertEqual((line.startswith("Verdict: none could be made: the right square"), status), (True, 0))

    def test_the_verdict_holds_the_picture_against_the_claim(self):
        squares = {n: coverage.both_squares(*picture(1 if n < 8 else 4, n % 8 or 4)) for n in (1, 4, 8)}
        for claimed, shot, expected in (
                (4, 4, "Verdict: the picture agrees with the report: 4 samples"),
                (0, 1, "Verdict: the picture agrees with the report: no multisampling"),
                (8, 4, "Verdict: CONTRADICTION: the context reports 8 samples, but the right square shows 4 samples"),
                (4, 1, "Verdict: CONTRADICTION: the context reports 4 samples, but the right square shows no "
                       "multisampling"),
                (0, 4, "Verdict: CONTRADICTION: the context reports no multisampling, yet the right square shows "
                       "4 samples"),
                (4, 8, "Verdict: CONTRADICTION: the left square shows 4 samples although multisampling is off for "
                       "it: the driver or its settings force anti-aliasing")):
            with self.subTest(claimed=claimed, shot=shot):
                line, status = verdict.judge(claimed, *squares[shot])
                self.assertEqual((line, status), (expected, 0 if "agrees" in line else verdict.CONTRADICTED))
        self.assertEqual(verdict.read_claim("Context 285 reports MSAA is available with 4 samples\n"), (285, 4))
        self.assertEqual(verdict.read_claim("Context 265 reports MSAA is unavailable\n"), (265, 0))


if __name__ == "__main__":
    unittest.main()
