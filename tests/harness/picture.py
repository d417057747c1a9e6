# jaggo tests: the two lit squares in a picture of jaggo's window read from outside, and their grey
# edge pixels. A grey pixel is lit but not white: an edge pixel that multisampling covered partly.
import math

from harness import layout

# Along an edge that crosses this many pixel rows (or columns), its place within a pixel runs
# through every offset that many times, so each share of a pixel's samples it can cover shows on
# it (at the start the squares stand almost axis-aligned, and their edges cross none).
CROSSED_ROWS = 4


def _greys(row):
    """Pixels of an RGB row whose brightest channel is neither 0 nor 255."""
    if row[0::3] == row[1::3] == row[2::3]:  # grey levels only: count bytes, in C
        return (len(row) - row.count(0) - row.count(255)) // 3
    return sum(1 for i in range(0, len(row), 3) if 0 < max(row[i:i + 3]) < 255)


def square_stats(width, height, rgb, x0, x1):
    """Bounding box, centre and grey-pixel count of the lit pixels in columns x0..x1-1.
    Without multisampling every lit pixel is fully white."""
    left, right, top, bottom = x1, -1, height, -1
    greys = 0
    for y in range(height):
        row = rgb[(y * width + x0) * 3:(y * width + x1) * 3]
        lit = row.lstrip(b"\0")
        if not lit:
            continue
        left = min(left, x0 + (len(row) - len(lit)) // 3)
        right = max(right, x0 + (len(row.rstrip(b"\0")) - 1) // 3)
        top, bottom = min(top, y), y
        greys += _greys(row)
    return {"width": right - left + 1, "height": bottom - top + 1,
            "cx": (left + right + 1) / 2, "cy": (top + bottom + 1) / 2, "greys": greys}


def both_squares(width, height, rgb):
    """Statistics of the left half (the square drawn without multisampling) and the right half."""
    half = width // 2
    return square_stats(width, height, rgb, 0, half), square_stats(width, height, rgb, half, width)


def turned_degrees(square, height):
    """How far a square of the scene stands turned from axis-aligned, read from its bounding
    box in a framebuffer of that height: the box of a square of side s turned by a (0 to 90
    degrees) is s * (cos a + sin a) wide. None where the picture holds no such square."""
    side = layout.side(height)
    if square["width"] <= 0 or side <= 0:
        return None
    ratio = square["width"] / (side * math.sqrt(2))
    if ratio > 1.0 or square["width"] < side - 2:
        return None
    return max(0.0, math.degrees(math.asin(min(ratio, 1.0))) - 45.0)


def turned_enough(square, height):
    """Whether a square of the scene stands turned so far that each of its edges crosses
    CROSSED_ROWS pixel rows or more: by a, an edge of side s crosses s sin a of them."""
    degrees = turned_degrees(square, height)
    return degrees is not None and layout.side(height) * math.sin(math.radians(degrees)) >= CROSSED_ROWS
