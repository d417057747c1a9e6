// jaggo platform: reads the chosen pixel format's number back from GLX, EGL or WGL. No GL, GLX or EGL
// library is linked: their functions are found where GLFW loaded them.
#include "platform/pixel_format.h"

#include <GLFW/glfw3.h>

#if defined(_WIN32)
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>
#endif

#include "platform/context_api.h"

namespace jaggo {

std::int32_t chosen_pixel_format = 0;

#if defined(_WIN32)

void read_chosen_pixel_format(GLFWwindow* window) {
    chosen_pixel_format = 0;
    if (window == nullptr || glfwGetWindowAttrib(window, GLFW_CLIENT_API) == GLFW_NO_API ||
        !context_is_wgl(window)) {
        return;
    }
    HWND hwnd = glfwGetWin32Window(window);
    HDC dc = hwnd != nullptr ? GetDC(hwnd) : nullptr;
    if (dc == nullptr) return;
    chosen_pixel_format = GetPixelFormat(dc);
    ReleaseDC(hwnd, dc);
}

#elif defined(__APPLE__)

// NSGL numbers no pixel formats, and GLX and EGL are not looked for here.
void read_chosen_pixel_format(GLFWwindow*) {
    chosen_pixel_format = 0;
}

#else

namespace {

// What else of GLX and EGL is needed here (platform/context_api.h has the rest).
using GLXContext = void*;
using EGLContext = void*;
constexpr int glx_fbconfig_id = 0x8013;  // GLX_FBCONFIG_ID
constexpr int egl_config_id = 0x3028;    // EGL_CONFIG_ID

using GlfwGetGLXContextFn = GLXContext (*)(GLFWwindow*);
using GlfwGetEGLDisplayFn = EGLDisplay (*)();
using GlfwGetEGLContextFn = EGLContext (*)(GLFWwindow*);
using GlXQueryContextFn = int (*)(Display*, GLXContext, int, int*);
using EglQueryContextFn = unsigned (*)(EGLDisplay, EGLContext, std::int32_t, std::int32_t*);
using EglGetCurrentContextFn = EGLContext (*)();

void read_glx(GLFWwindow* window) {
    const auto get_display = symbol<GlfwGetX11DisplayFn>(RTLD_DEFAULT, "glfwGetX11Display");
    const auto get_context = symbol<GlfwGetGLXContextFn>(RTLD_DEFAULT, "glfwGetGLXContext");
    const auto query = context_api_function<GlXQueryContextFn>(window, "glXQueryContext", glx_sonames);
    if (get_display == nullptr || get_context == nullptr || query == nullptr) return;
    Display* display = get_display();
    GLXContext context = get_context(window);
    if (display == nullptr || context == nullptr) return;
    int id = 0;
    if (query(display, context, glx_fbconfig_id, &id) == glx_success) chosen_pixel_format = id;
}

// GLFW 3.3 hands out the EGL context only for GLFW_EGL_CONTEXT_API and
// reports an error for a native context that EGL made (Wayland's), so the
// current context is taken from EGL itself; GLFW is asked only where it
// answers without an error.
void read_egl(GLFWwindow* window) {
    const auto query = context_api_function<EglQueryContextFn>(window, "eglQueryContext", egl_sonames);
    if (query == nullptr) return;
    EGLDisplay display = nullptr;
    EGLContext context = nullptr;
    if (glfwGetCurrentContext() == window) {
        const auto current_display =
            context_api_function<EglGetCurrentDisplayFn>(window, "eglGetCurrentDisplay", egl_sonames);
        const auto current_context =
            context_api_function<EglGetCurrentContextFn>(window, "eglGetCurrentContext", egl_sonames);
        if (current_display == nullptr || current_context == nullptr) return;
        display = current_display();
        context = current_context();
    } else if (glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API) == GLFW_EGL_CONTEXT_API) {
        const auto get_display = symbol<GlfwGetEGLDisplayFn>(RTLD_DEFAULT, "glfwGetEGLDisplay");
        const auto get_context = symbol<GlfwGetEGLContextFn>(RTLD_DEFAULT, "glfwGetEGLContext");
        if (get_display == nullptr || get_context == nullptr) return;
        display = get_display();
        context = get_context(window);
    }
    if (display == nullptr || context == nullptr) return;
    std::int32_t id = 0;
    if (query(display, context, egl_config_id, &id) == egl_true) chosen_pixel_format = id;
}

}  // namespace

void read_chosen_pixel_format(GLFWwindow* window) {
    chosen_pixel_format = 0;
    if (window == nullptr || glfwGetWindowAttrib(window, GLFW_CLIENT_API) == GLFW_NO_API) return;
    switch (glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API)) {
    case GLFW_NATIVE_CONTEXT_API:
        if (glfw_native_api_is_glx()) {
            read_glx(window);
        } else {
            read_egl(window);
        }
        break;
    case GLFW_EGL_CONTEXT_API:
        read_egl(window);
        break;
    default:  // OSMesa has no pixel-format numbering
        break;
    }
}

#endif

}  // namespace jaggo
