# jaggo tests: an X display seen from outside, as the tests' independent view of jaggo's window: its
# windows found by name, their pixels read back (XGetImage through ctypes), closed as a window manager
# closes them, and xdotool on it. Nothing here moves, raises or focuses a window.
import ctypes
import subprocess

from jaggo_display import wait, xvfb
from jaggo_display.xvfb import env_for


class ReadError(RuntimeError):
    """A window whose pixels could not be read back, with the reason in words."""


class _XErrorEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("display", ctypes.c_void_p), ("resourceid", ctypes.c_ulong),
                ("serial", ctypes.c_ulong), ("error_code", ctypes.c_ubyte), ("request_code", ctypes.c_ubyte),
                ("minor_code", ctypes.c_ubyte)]


class _XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class _XImage(ctypes.Structure):  # the leading fields of XImage, all that is read here
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class _XClientMessageEvent(ctypes.Structure):  # padded to the size of an XEvent
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.POINTER(_XErrorEvent))
IS_VIEWABLE = 2  # XWindowAttributes.map_state
Z_PIXMAP = 2
ALL_PLANES = (1 << 64) - 1 if ctypes.sizeof(ctypes.c_ulong) == 8 else (1 << 32) - 1
_xlib = None


def xlib():
    """Xlib through ctypes: the product's (opening a display), with the prototypes of what the tests
    do with its windows declared once for every helper of the tests."""
    global _xlib
    if _xlib is None:
        x11 = xvfb.xlib()
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XSetErrorHandler.restype = ctypes.c_void_p
        x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
        x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(_XWindowAttributes)]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(_XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                  ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        _xlib = x11
    return _xlib


class _Connection:
    """An open display whose protocol errors are recorded, not fatal: Xlib's default handler ends
    the process on any error, and a window may vanish between two requests."""

    def __init__(self, display):
        self.x11 = xlib()
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise ReadError("cannot open the display " + display)
        self.errors = []
        self.handler = _ERROR_HANDLER(lambda dpy, event: self.errors.append(event.contents.error_code) or 0)
        self.previous = self.x11.XSetErrorHandler(ctypes.cast(self.handler, ctypes.c_void_p))

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.x11.XSync(self.dpy, 0)
        self.x11.XSetErrorHandler(self.previous)
        self.x11.XCloseDisplay(self.dpy)


def read_window(display, window):
    """The window's pixels as the X server holds them: (width, height, rgb bytes). Raises ReadError
    with the reason when they cannot be had: the window is gone or not shown, lies partly off the
    screen (an uncomposited server keeps no pixels there), or has a visual that is not 8 bits a
    channel (whose pixels could not hold the grey levels exactly)."""
    with _Connection(display) as c:
        attributes = _XWindowAttributes()
        if not c.x11.XGetWindowAttributes(c.dpy, int(window), ctypes.byref(attributes)) or c.errors:
            raise ReadError("the window is gone")
        if attributes.map_state != IS_VIEWABLE:
            raise ReadError("the window is not shown (unmapped or minimised)")
        width, height = attributes.width, attributes.height
        image = c.x11.XGetImage(c.dpy, int(window), 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
        if not image or c.errors:
            raise ReadError("the X server gave no picture of the window (partly off the screen?)")
        try:
            return width, height, _rgb(image.contents)
        finally:
            c.x11.XFree(image.contents.data)
            c.x11.XFree(image)


def _rgb(image):
    """An XImage's pixels as 8-bit RGB, for the 24- and 32-bit true-colour layouts servers use."""
    masks = (image.red_mask, image.green_mask, image.blue_mask)
    if image.bits_per_pixel != 32 or masks != (0xFF0000, 0xFF00, 0xFF):
        raise ReadError("the window's visual is not 8 bits a channel (%d bits a pixel)" % image.bits_per_pixel)
    stride, row = image.bytes_per_line, image.width * 4
    data = ctypes.string_at(image.data, stride * image.height)
    if stride != row:
        data = b"".join(data[y * stride:y * stride + row] for y in range(image.height))
    # A pixel's 32 bits hold 0x00RRGGBB; in memory that is B G R x (LSBFirst) or x R G B.
    red, green, blue = (2, 1, 0) if image.byte_order == 0 else (1, 2, 3)
    rgb = bytearray(image.width * image.height * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = data[red::4], data[green::4], data[blue::4]
    return bytes(rgb)


def close_window(display, window):
    """Asks the window to close as a window manager's close button does (WM_DELETE_WINDOW): no key is
    pressed, so no key is left down, and the focus stays where it is."""
    lib = xlib()
    dpy = lib.XOpenDisplay(display.encode())
    if not dpy:
        raise ReadError("cannot open the display " + display)
    ev = _XClientMessageEvent()
    ev.type = 33  # ClientMessage
    ev.window = int(window)
    ev.message_type = lib.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    ev.format = 32
    ev.data[0] = lib.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    ev.data[1] = 0  # CurrentTime
    lib.XSendEvent(dpy, int(window), 0, 0, ctypes.byref(ev))
    lib.XFlush(dpy)
    lib.XCloseDisplay(dpy)


def xdotool(display, *args, timeout=10):
    return subprocess.run(["xdotool", *args], env=env_for(display), capture_output=True, text=True,
                          timeout=timeout).stdout.strip()


def find_window(display, name, alive, timeout=20.0, pid=None):
    """The id of the first mapped window whose name matches the regular expression (and, given a pid,
    that belongs to that process), polled until timeout or until alive() says its program has ended;
    None then."""
    criteria = ["--onlyvisible", *(["--all", "--pid", str(pid)] if pid else []), "--name", name]  # pattern last

    def found():
        ids = xdotool(display, "search", *criteria).split()
        return ids[0] if ids else None
    return wait.until(alive, found, timeout, interval=0.1)
