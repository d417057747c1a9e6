# jaggo display: the samples that take effect, read from the grey levels of a square's edge pixels.
#
# A white square on black, resolved from N samples a pixel, gives each edge pixel the share k/N of
# white that its k covered samples make: N - 1 levels of grey (with 4 samples 64, 128 and 191). A
# turned square's long edges cross every coverage, so every level recurs along them; a square drawn
# without multisampling has no grey at all. A gamma-correct resolve averages in linear light and
# stores the sRGB encoding of k/N instead: other levels, the same count.
import collections

MAX_SAMPLES = 64      # more than any driver offers; beyond it the levels would lie closer than the tolerance
TOLERANCE = 2         # rounding in the resolve and in the read-back, in levels of 255
# A level recurs when at least this share of the square's grey pixels, and at least MIN_RECUR of them,
# hold it. With N samples each level holds about 1/(N - 1) of them: 3 % and more up to 32 samples.
# A few stray pixels (a cursor over the window, a compositor's shadow) stay below it; more grey pixels
# off the recurring levels than STRAY_SHARE of them, or MAX_STRAYS, mean levels spread as a filtered
# or scaled picture spreads them, which fit no count.
RECUR_SHARE = 1 / 64
MIN_RECUR = 8
STRAY_SHARE = 1 / 50
MAX_STRAYS = 32


def grey_levels(width, height, rgb, x0, x1):
    """How often each grey level (a neutral pixel neither black nor white) occurs in columns x0..x1-1."""
    counts = collections.Counter()
    for y in range(height):
        row = rgb[(y * width + x0) * 3:(y * width + x1) * 3]
        red = row[0::3]
        if red == row[1::3] == row[2::3]:  # neutral throughout, as jaggo draws: counted in C
            counts.update(red)
        else:
            counts.update(row[i] for i in range(0, len(row), 3) if row[i] == row[i + 1] == row[i + 2])
    counts.pop(0, None)
    counts.pop(255, None)
    return counts


def recurring(counts):
    """The levels that recur along the edges, in ascending order; strays left out."""
    floor = max(MIN_RECUR, sum(counts.values()) * RECUR_SHARE)
    return sorted(level for level, n in counts.items() if n >= floor)


def spread(counts, levels):
    """Whether more grey pixels lie off the recurring levels than a few strays would make."""
    total = sum(counts.values())
    strays = total - sum(counts[level] for level in levels)
    return strays > max(MAX_STRAYS, total * STRAY_SHARE)


def _srgb(linear):
    return 12.92 * linear if linear <= 0.0031308 else 1.055 * linear ** (1 / 2.4) - 0.055


def expected_levels(samples, gamma=False):
    """The grey levels of k/N coverage, k = 1..N-1, as a linear or a gamma-correct resolve stores them."""
    encode = _srgb if gamma else (lambda x: x)
    return [round(255 * encode(k / samples)) for k in range(1, samples)]


def _fits(levels, samples, gamma):
    """Whether the levels are distinct coverages of that sample count, and enough of them (three in
    four) that the count is not a guess from a few."""
    expected = expected_levels(samples, gamma)
    spacing = min(b - a for a, b in zip([0] + expected, expected + [255]))
    tolerance = min(TOLERANCE, (spacing - 1) // 2)
    matched = set()
    for level in levels:
        near = [k for k, e in enumerate(expected) if abs(level - e) <= tolerance]
        if not near or near[0] in matched:
            return False
        matched.add(near[0])
    return 4 * len(levels) >= 3 * (samples - 1)


def samples_seen(levels):
    """(samples, gamma) that the recurring levels show: (1, False) for none, the smallest count whose
    coverages they fit otherwise, or (None, False) when they fit no count (a filtered, scaled or
    otherwise altered picture, never a guess)."""
    if not levels:
        return 1, False
    for samples in range(len(levels) + 1, MAX_SAMPLES + 1):
        for gamma in (False, True):
            if _fits(levels, samples, gamma):
                return samples, gamma
    return None, False


class Square:
    """What a square's edge pixels show: its recurring grey levels and the samples they mean."""

    def __init__(self, counts):
        self.levels = recurring(counts)
        self.spread = (sum(counts.values()), len(counts)) if spread(counts, self.levels) else None
        self.samples, self.gamma = (None, False) if self.spread else samples_seen(self.levels)

    def describe(self):
        """'1 sample', '4 samples (grey levels 64 128 191)', or the levels that fit no count."""
        levels = " ".join(str(level) for level in self.levels)
        if self.spread:
            return "%d grey pixels in %d levels, which fit no sample count" % self.spread
        if self.samples is None:
            return "grey levels %s, which fit no sample count" % levels
        said = "%d sample%s" % (self.samples, "" if self.samples == 1 else "s")
        if self.levels:
            said += " (grey levels %s%s)" % (levels, ", gamma-correct" if self.gamma else "")
        return said


def both_squares(width, height, rgb):
    """Square readings of the left half (drawn without multisampling) and the right half."""
    half = width // 2
    return (Square(grey_levels(width, height, rgb, 0, half)),
            Square(grey_levels(width, height, rgb, half, width)))


def coverage_line(left, right):
    return "Coverage: left square %s, right square %s" % (left.describe(), right.describe())
