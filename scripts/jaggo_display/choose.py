# jaggo display: which private display a headless run takes. The Xvfb itself, or weston nested in it
# where the GLFW that the program loads can run on Wayland and the Xvfb offers no multisampling (or
# GLFW cannot run on X11).
import ctypes
import shutil

from . import xvfb

GLFW_PLATFORM_WAYLAND = 0x00060003
GLFW_PLATFORM_X11 = 0x00060004
GLX_SAMPLES = 100001


def glfw_platforms(library="libglfw.so.3"):
    """The platforms ("x11", "wayland") the GLFW library the program loads can run on. GLFW 3.4 and
    later say so, before glfwInit too; a 3.3 library is built for one, which its native access
    functions tell (Debian's libglfw3 for X11, libglfw3-wayland for Wayland)."""
    try:
        glfw = ctypes.CDLL(library)
    except OSError:
        return set()
    if hasattr(glfw, "glfwPlatformSupported"):
        return {name for name, code in (("x11", GLFW_PLATFORM_X11), ("wayland", GLFW_PLATFORM_WAYLAND))
                if glfw.glfwPlatformSupported(code) == 1}
    return {name for name, function in (("x11", "glfwGetX11Display"), ("wayland", "glfwGetWaylandDisplay"))
            if hasattr(glfw, function)}


def glfw_has_wayland(library="libglfw.so.3"):
    """Whether the GLFW library the program loads can run on Wayland."""
    return "wayland" in glfw_platforms(library)


def glfw_draws_decorations(library="libglfw.so.3"):
    """Whether the GLFW library draws its windows' decorations itself on Wayland, as 3.3 does
    (3.4 leaves them to libdecor, or goes without): weston's kiosk shell refuses those
    subsurfaces with a protocol error, so such a window needs the desktop shell."""
    try:
        return not hasattr(ctypes.CDLL(library), "glfwPlatformSupported")
    except OSError:
        return False


def glx_sample_counts(display):
    """The sample counts of the X display's GLX framebuffer configurations (empty if GLX cannot be asked)."""
    try:
        gl = ctypes.CDLL("libGL.so.1")
        x11 = xvfb.xlib()
    except OSError:
        return set()
    gl.glXGetFBConfigs.restype = ctypes.POINTER(ctypes.c_void_p)
    gl.glXGetFBConfigs.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    gl.glXGetFBConfigAttrib.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    dpy = x11.XOpenDisplay(display.encode())
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


def xvfb_multisampled(display):
    """Whether the X display offers a multisampled GLX configuration."""
    return any(n > 1 for n in glx_sample_counts(display))


def wants_nested(display):
    """Whether a run on the X display needs or gains from weston nested in it: GLFW can run on
    Wayland, and it cannot run on X11 (Debian's Wayland build of GLFW 3.3) or the X display offers
    no multisampling, where weston's EGL may."""
    platforms = glfw_platforms()
    return "wayland" in platforms and ("x11" not in platforms or not xvfb_multisampled(display))


def choose(display):
    """"x11" or "wayland" (weston nested in the X display) for a run on that display."""
    return "wayland" if wants_nested(display) and shutil.which("weston") else "x11"
