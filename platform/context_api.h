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

using GLXFBConfig = void*;
using EGLConfig = void*;
constexpr const char* x11_sonames[] = {"libX11.so.6", "libX11.so", nullptr};
using XDefaultScreenFn = int (*)(Display*);
using XFreeFn = int (*)(void*);
using GlXGetFBConfigsFn = GLXFBConfig* (*)(Display*, int, int*);
using GlXGetFBConfigAttribFn = int (*)(Display*, GLXFBConfig, int, int*);
using EglGetConfigAttribFn = unsigned (*)(EGLDisplay, EGLConfig, std::int32_t, std::int32_t*);

// The GLX configurations of the screen GLFW opens its windows on (its default screen), with the
// function that reads their attributes. Empty (configs null) where any of it cannot be had; the list
// is asked for only when XFree, which frees it, was found. Free it with release_glx_configs.
struct GlxConfigs {
    Display* display = nullptr;
    GLXFBConfig* configs = nullptr;
    int count = 0;
    GlXGetFBConfigAttribFn get_attrib = nullptr;
    XFreeFn x_free = nullptr;
};

inline GlxConfigs glx_configs(GLFWwindow* window) {
    GlxConfigs c;
    const auto get_display = symbol<GlfwGetX11DisplayFn>(RTLD_DEFAULT, "glfwGetX11Display");
    const auto default_screen = loaded_function<XDefaultScreenFn>("XDefaultScreen", x11_sonames);
    const auto get_configs = context_api_function<GlXGetFBConfigsFn>(window, "glXGetFBConfigs", glx_sonames);
    c.x_free = loaded_function<XFreeFn>("XFree", x11_sonames);
    c.get_attrib = context_api_function<GlXGetFBConfigAttribFn>(window, "glXGetFBConfigAttrib", glx_sonames);
    if (get_display == nullptr || default_screen == nullptr || get_configs == nullptr || c.x_free == nullptr ||
        c.get_attrib == nullptr) {
        return {};
    }
    c.display = get_display();
    if (c.display != nullptr) c.configs = get_configs(c.display, default_screen(c.display), &c.count);
    if (c.configs == nullptr) return {};
    return c;
}

inline void release_glx_configs(GlxConfigs* c) {
    if (c->configs != nullptr) c->x_free(c->configs);
    *c = {};
}

#endif

}  // namespace jaggo
