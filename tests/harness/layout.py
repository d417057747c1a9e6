# jaggo tests: where the scene puts things (the window's size and title, the squares' size and place),
# read from the product's one home of those numbers, app/scene_layout.h, so that a test holds the
# program to the layout it draws from instead of to a copy that could drift from it.
import os
import re

HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "scene_layout.h")


def _constants():
    with open(HEADER) as f:
        text = f.read()
    found = dict(re.findall(r'constexpr\s+[\w\s*]+?\s(\w+)\s*=\s*("[^"]*"|[-\d.]+)f?\s*;', text))
    missing = {"window_width", "window_height", "window_title", "square_half_side", "square_offset"} - set(found)
    if missing:
        raise RuntimeError("%s names no %s" % (HEADER, ", ".join(sorted(missing))))
    return found


_FOUND = _constants()
WINDOW_SIZE = (int(_FOUND["window_width"]), int(_FOUND["window_height"]))
TITLE = _FOUND["window_title"].strip('"')
# In the projection a length of 1 is half the framebuffer's height.
_HALF_SIDE = float(_FOUND["square_half_side"])
_OFFSET = float(_FOUND["square_offset"])


def side(height):
    """The side in pixels of a square in a framebuffer of that height: twice its half side, in
    units of half the height."""
    return _HALF_SIDE * height


def centres(width, height):
    """The x of the left and of the right square's centre in a framebuffer of that size (both stand
    at half its height)."""
    return width / 2 - _OFFSET * height / 2, width / 2 + _OFFSET * height / 2
