# jaggo tests: the samples a square's edges show, read from a picture of the window taken from outside:
# the tests' own reading, held against jaggo-verdict's. With N samples a pixel, a turned white square
# on black gives its edge pixels the N - 1 grey levels of k/N covered samples (255 k / N, or the sRGB
# encoding of k / N where the resolve is gamma-correct), each recurring along its long edges; a square
# drawn without multisampling has no grey at all.
import collections

TOLERANCE = 2     # rounding in the resolve and the read-back, in levels of 255
RECUR_SHARE = 1 / 64  # a level recurs when this share of the grey pixels, and MIN_RECUR of them, hold it
MIN_RECUR = 8


def grey_levels(width, height, rgb, x0, x1):
    """How often each grey level (a neutral pixel neither black nor white) occurs in columns x0..x1-1."""
    counts = collections.Counter()
    for y in range(height):
        row = rgb[(y * width + x0) * 3:(y * width + x1) * 3]
        counts.update(row[i] for i in range(0, len(row), 3) if row[i] == row[i + 1] == row[i + 2])
    counts.pop(0, None)
    counts.pop(255, None)
    return counts


def _srgb(linear):
    return 12.92 * linear if linear <= 0.0031308 else 1.055 * linear ** (1 / 2.4) - 0.055


def samples(width, height, rgb, x0, x1):
    """The sample count the square in columns x0..x1-1 shows: 1 without grey; N where its recurring
    levels are those of every k/N, k = 1..N-1, linear or gamma-correct; None where they are not."""
    counts = grey_levels(width, height, rgb, x0, x1)
    floor = max(MIN_RECUR, sum(counts.values()) * RECUR_SHARE)
    levels = sorted(level for level, n in counts.items() if n >= floor)
    n = len(levels) + 1
    for encode in (lambda x: x, _srgb):
        expected = [round(255 * encode(k / n)) for k in range(1, n)]
        if all(abs(seen - e) <= TOLERANCE for seen, e in zip(levels, expected)):
            return n
    return None


def both_squares(width, height, rgb):
    """The sample counts of the left half (the square drawn without multisampling) and the right half."""
    half = width // 2
    return samples(width, height, rgb, 0, half), samples(width, height, rgb, half, width)
