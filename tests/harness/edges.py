# jaggo tests: the two lit squares in a picture of jaggo's window and their grey edge pixels.
# Used by the window tests, and as a command (PPM on standard input) by scripts/headless.sh.
import re
import sys


def read_ppm(data):
    """(width, height, rgb bytes) of a binary PPM (P6, 8 bits a channel)."""
    m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    if m is None or m.group(3) != b"255":
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(m.group(1)), int(m.group(2))
    return width, height, data[m.end():m.end() + width * height * 3]


def square_stats(width, height, rgb, x0, x1):
    """Bounding box, centre and grey-pixel count of the lit pixels in columns x0..x1-1.

    A grey pixel is lit but not white: a square's edge pixel that multisampling
    covered partly. Without multisampling every lit pixel is fully white."""
    left, right, top, bottom = x1, -1, height, -1
    greys = 0
    for y in range(height):
        row = rgb[(y * width + x0) * 3:(y * width + x1) * 3]
        for i in range(0, len(row), 3):
            v = max(row[i], row[i + 1], row[i + 2])
            if v == 0:
                continue
            if v < 255:
                greys += 1
            x = x0 + i // 3
            left, right, top, bottom = min(left, x), max(right, x), min(top, y), max(bottom, y)
    return {"width": right - left + 1, "height": bottom - top + 1,
            "cx": (left + right + 1) / 2, "cy": (top + bottom + 1) / 2, "greys": greys}


def both_squares(width, height, rgb):
    """Statistics of the left half (the square drawn without multisampling) and the right half."""
    half = width // 2
    return square_stats(width, height, rgb, 0, half), square_stats(width, height, rgb, half, width)


def edges_line(left, right):
    return "Edges: left square %d intermediate pixels, right square %d" % (left["greys"], right["greys"])


if __name__ == "__main__":
    # Prints the Edges line; exits 1 on a bad picture, 2 when either square is missing from it.
    try:
        left, right = both_squares(*read_ppm(sys.stdin.buffer.read()))
    except ValueError as e:
        print("edges.py: %s" % e, file=sys.stderr)
        sys.exit(1)
    print(edges_line(left, right))
    sys.exit(0 if left["width"] > 0 and right["width"] > 0 else 2)
