// jaggo platform: what both platform files (the chosen pixel format, the offered sample counts) need of
// the API that made the window's context: on Windows whether it is WGL; elsewhere the little of GLX
// and EGL they call, declared without their headers, and how those functions are found.
#pragma once

#include <GLFW/glfw3.h>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <cstdint>

#include "platform/loaded_library.h"
#endif

namespace jaggo {

#if defined(_WIN32)

// True when WGL made the window's context. GLFW 3.2 added EGL contexts and the
// attribute that tells them apart; an older library knows only WGL and reports
// an error for the attribute, so it is asked only from 3.2 on.
inline bool context_is_wgl(GLFWwindow* window) {
    int major = 0;
    int minor = 0;
    int revision = 0;
    glfwGetVersion(&major, &minor, &revision);
    if (major == 3 && minor < 2) return true;
    return glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API) == GLFW_NATIVE_CONTEXT_API;
}

#elif !defined(__APPLE__)

using Display = void;
using EGLDisplay = void*;
constexpr int glx_success = 0;    // Success
constexpr unsigned egl_true = 1;  // EGL_TRUE
using GlfwGetX11DisplayFn = Display* (*)();
using EglGetCurrentDisplayFn = EGLDisplay (*)();

// The libraries GLX's and EGL's functions may be found in, each list ending with a null.
constexpr const char* glx_sonames[] = {"libGLX.so.0", "libGL.so.1", "libGL.so", nullptr};
constexpr const char* egl_sonames[] = {"libEGL.so.1", "libEGL.so", nullptr};

// Finds a GLX or EGL function without loading any library: as loaded_function,
// and last through GLFW's address query when the window's context is current.
template <typename Fn>
Fn context_api_function(GLFWwindow* window, const char* name, const char* const* sonames) {
    if (Fn fn = loaded_function<Fn>(name, sonames)) return fn;
    if (glfwGetCurrentContext() == window) {
        return reinterpret_cast<Fn>(glfwGetProcAddress(name));
    }
    return nullptr;
}

#endif

}  // namespace jaggo
