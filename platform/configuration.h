// jaggo platform: what a user compares with glxinfo, eglinfo or a WGL viewer: the context API and
// window system the window runs on, GLFW's own version string, and the chosen configuration's
// attributes read from the platform's own query.
#pragma once

#include <cstdint>
#include <optional>

struct GLFWwindow;

namespace jaggo {

struct PlatformNames {
    const char* context_api;    // "GLX", "EGL", "WGL", "NSGL" or "OSMesa"; nullptr when it cannot be told
    const char* window_system;  // "X11", "Xwayland", "Wayland", "Windows" or "macOS"; nullptr likewise
    const char* glfw;           // glfwGetVersionString's answer
};

// Names the platform of the window's context; the window's context should be current.
PlatformNames platform_names(GLFWwindow* window);

// The attributes of one configuration (a GLX FBConfig, an EGL config, a WGL pixel format). An
// attribute the platform has no name for (EGL's sRGB flag, WGL's caveat), or that could not be
// read, is empty.
struct ConfigurationAttributes {
    bool found;  // the configuration of that number could be read at all
    std::optional<std::int32_t> sample_buffers, samples, red, green, blue, alpha, depth, stencil;
    std::optional<bool> srgb_capable;
    const char* caveat;  // "none", "slow" or "non-conformant"; nullptr where there is none
};

// The attributes of the configuration numbered as chosen_pixel_format numbers it, on the display the
// window's context was made on, with that context current. Nothing is found where the number is 0,
// on NSGL and OSMesa, or where the platform's query fails. Issues no call of a context API that did
// not make the context, and never raises a GLFW error.
ConfigurationAttributes configuration_attributes(GLFWwindow* window, std::int32_t number);

}  // namespace jaggo
