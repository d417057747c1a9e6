# jaggo: chooses the private display a headless run uses: "x11" (Xvfb) or "wayland" (weston nested in it).
# Usage: DISPLAY=:N python3 scripts/pick_display.py. Wayland only where the Xvfb offers no multisampling.
import ctypes
import ctypes.util
import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "harness"))
import weston  # noqa: E402

GLX_SAMPLES = 100001


def glx_sample_counts():
    """The sample counts of the X display's GLX framebuffer configurations (empty if GLX cannot be asked)."""
    try:
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        gl = ctypes.CDLL("libGL.so.1")
    except OSError:
        return set()
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultScreen.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    gl.glXGetFBConfigs.restype = ctypes.POINTER(ctypes.c_void_p)
    gl.glXGetFBConfigs.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    gl.glXGetFBConfigAttrib.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    dpy = x11.XOpenDisplay(None)
    if not dpy:
        return set()
    count = ctypes.c_int(0)
    configs = gl.glXGetFBConfigs(dpy, x11.XDefaultScreen(dpy), ctypes.byref(count))
    counts = set()
    for i in range(count.value if configs else 0):
        samples = ctypes.c_int(0)
        gl.glXGetFBConfigAttrib(dpy, configs[i], GLX_SAMPLES, ctypes.byref(samples))
        counts.add(samples.value)
    if configs:
        x11.XFree(configs)
    x11.XCloseDisplay(dpy)
    return counts


if __name__ == "__main__":
    multisampled = any(n > 1 for n in glx_sample_counts())
    nested = shutil.which("weston") is not None and weston.glfw_has_wayland()
    print("wayland" if not multisampled and nested else "x11")
