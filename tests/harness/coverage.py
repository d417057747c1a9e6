# jaggo tests: whether a square in a picture of a window, read from outside, shows the samples it
# should, reasoned from how multisampling draws and not from jaggo-verdict's reading (no share,
# count or tolerance of its own is taken over). A white square on black resolved from N samples a
# pixel gives an edge pixel with k of them covered the mean k/N white: 255 k / N rounded to a byte,
# or the sRGB encoding of k / N where the resolve is gamma-correct. So every pixel neither black nor
# white is a neutral grey on one of those N - 1 levels, and each level shows along edges that cross
# many pixel rows; a square drawn with one sample (no multisampling) has no such pixel at all.
import collections

ROUNDING = 1  # a byte's rounding of the exact mean (half a level), and the encoding's own error


def _srgb(linear):
    return 12.92 * linear if linear <= 0.0031308 else 1.055 * linear ** (1 / 2.4) - 0.055


ENCODINGS = (("linear", lambda x: x), ("sRGB", _srgb))


def between(width, height, rgb, x0, x1):
    """How often each RGB triple neither black nor white occurs in columns x0..x1-1."""
    counts = collections.Counter()
    for y in range(height):
        row = rgb[(y * width + x0) * 3:(y * width + x1) * 3]
        counts.update(bytes(row[i:i + 3]) for i in range(0, len(row), 3))
    counts.pop(b"\0\0\0", None)
    counts.pop(b"\xff\xff\xff", None)
    return counts


def levels(samples, encode):
    """The grey levels of an edge pixel with 1 .. samples - 1 of its samples covered."""
    return [round(255 * encode(k / samples)) for k in range(1, samples)]


def square_fault(width, height, rgb, x0, x1, samples):
    """None where the square in columns x0..x1-1 shows that many samples a pixel (1: none but
    black and white pixels), else what it shows instead."""
    seen = between(width, height, rgb, x0, x1)
    if samples <= 1:
        return None if not seen else "%d pixels neither black nor white" % sum(seen.values())
    faults = []
    for name, encode in ENCODINGS:
        expected = levels(samples, encode)
        def near(pixel):
            return next((e for e in expected if pixel[0] == pixel[1] == pixel[2] and
                         abs(pixel[0] - e) <= ROUNDING), None)
        off = sorted(tuple(p) for p in seen if near(p) is None)
        shown = {near(p) for p in seen} - {None}
        missing = [e for e in expected if e not in shown]
        if not off and not missing:
            return None
        faults.append("%s levels %s: %s" % (name, expected, ", ".join(
            ["pixels off them such as %s" % off[:4]] * bool(off) + ["%s never shown" % missing] * bool(missing))))
    return "; ".join(faults)


def both_squares_fault(width, height, rgb, samples):
    """None where the left half (the square drawn without multisampling) shows one sample and the
    right half that many, else what is wrong."""
    half = width // 2
    faults = ["%s square: %s" % (side, fault) for side, fault in (
        ("left", square_fault(width, height, rgb, 0, half, 1)),
        ("right", square_fault(width, height, rgb, half, width, samples))) if fault]
    return "; ".join(faults) or None
