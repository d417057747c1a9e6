# jaggo display: which private display a headless run uses: the Xvfb itself, or weston nested in it.
# Weston only where the Xvfb offers no multisampling and the GLFW that jaggo loads can run on Wayland.
import ctypes
import shutil

from . import x11

GLFW_PLATFORM_WAYLAND = 0x00060003


def glfw_has_wayland(library="libglfw.so.3"):
    """Whether the GLFW library jaggo loads can run on Wayland (3.4 asks; 3.3 has no such call)."""
    try:
        glfw = ctypes.CDLL(library)
    except OSError:
        return False
    if not hasattr(glfw, "glfwPlatformSupported"):
        return False
    return glfw.glfwPlatformSupported(GLFW_PLATFORM_WAYLAND) == 1


def xvfb_multisampled(display):
    """Whether the X display offers a multisampled GLX configuration."""
    return any(n > 1 for n in x11.glx_sample_counts(display))


def wants_nested(display):
    """Whether a run on the X display gains from weston nested in it: the X display offers
    no multisampling, and GLFW can run on Wayland, where weston's EGL may."""
    return not xvfb_multisampled(display) and glfw_has_wayland()


def choose(display):
    """"x11" or "wayland" (weston nested in the X display) for a run on that display."""
    return "wayland" if wants_nested(display) and shutil.which("weston") else "x11"


def native_wayland(env):
    """Whether jaggo, started with this environment, makes its window on Wayland itself rather than
    on an X server (Xwayland under a Wayland desktop): no other client may read such a window back.
    GLFW with both platforms takes X11 when the session type says x11 and DISPLAY is set, and
    otherwise Wayland first when WAYLAND_DISPLAY is set; one with X11 alone needs DISPLAY."""
    if not env.get("WAYLAND_DISPLAY"):
        return False
    if not env.get("DISPLAY"):
        return True
    return env.get("XDG_SESSION_TYPE") != "x11" and glfw_has_wayland()
