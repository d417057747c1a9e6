# jaggo display: which display jaggo's window is on. A headless run uses the Xvfb itself, or weston
# nested in it where the GLFW that jaggo loads can run on Wayland and the Xvfb offers no multisampling
# (or GLFW cannot run on X11); a run on the user's display is read back unless it is native Wayland.
import ctypes
import shutil

from . import x11

GLFW_PLATFORM_WAYLAND = 0x00060003
GLFW_PLATFORM_X11 = 0x00060004


def glfw_platforms(library="libglfw.so.3"):
    """The platforms ("x11", "wayland") the GLFW library jaggo loads can run on. GLFW 3.4 and later
    say so, before glfwInit too; a 3.3 library is built for one, which its native access functions
    tell (Debian's libglfw3 for X11, libglfw3-wayland for Wayland)."""
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
    """Whether the GLFW library jaggo loads can run on Wayland."""
    return "wayland" in glfw_platforms(library)


def xvfb_multisampled(display):
    """Whether the X display offers a multisampled GLX configuration."""
    return any(n > 1 for n in x11.glx_sample_counts(display))


def wants_nested(display):
    """Whether a run on the X display needs or gains from weston nested in it: GLFW can run on
    Wayland, and it cannot run on X11 (Debian's Wayland build of GLFW 3.3) or the X display offers
    no multisampling, where weston's EGL may."""
    platforms = glfw_platforms()
    return "wayland" in platforms and ("x11" not in platforms or not xvfb_multisampled(display))


def choose(display):
    """"x11" or "wayland" (weston nested in the X display) for a run on that display."""
    return "wayland" if wants_nested(display) and shutil.which("weston") else "x11"


def native_wayland(env):
    """Whether jaggo, started with this environment, makes its window on Wayland itself rather than
    on an X server (Xwayland under a Wayland desktop): no other client may read such a window back.
    GLFW with both platforms takes X11 when the session type says x11 and DISPLAY is set, and
    otherwise Wayland first when WAYLAND_DISPLAY is set; one with a single platform takes it."""
    platforms = glfw_platforms()
    if not env.get("WAYLAND_DISPLAY") or "wayland" not in platforms:
        return False
    if "x11" not in platforms or not env.get("DISPLAY"):
        return True
    return env.get("XDG_SESSION_TYPE") != "x11"
