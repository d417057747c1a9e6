// jaggo app: reads the chosen pixel format's number back from GLX, EGL or WGL, and tells a lost
// Wayland connection from a closed window. All platform code lives here; no GL, GLX, EGL or
// Wayland library is linked.
#include "app/pixel_format.h"

#include <GLFW/glfw3.h>

#if defined(_WIN32)
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>
#elif !defined(__APPLE__)
#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#endif

namespace jaggo {

std::int32_t chosen_pixel_format = 0;

#if defined(_WIN32)

namespace {

// True when WGL made the window's context. GLFW 3.2 added EGL contexts and the
// attribute that tells them apart; an older library knows only WGL and reports
// an error for the attribute, so it is asked only from 3.2 on.
bool context_is_wgl(GLFWwindow* window) {
    int major = 0;
    int minor = 0;
    int revision = 0;
    glfwGetVersion(&major, &minor, &revision);
    if (major == 3 && minor < 2) return true;
    return glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API) == GLFW_NATIVE_CONTEXT_API;
}

}  // namespace

void read_chosen_pixel_format(GLFWwindow* window) {
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

// Win32 has no connection to a display server that could break under a running window.
bool display_connection_lost(char*, std::size_t) {
    return false;
}

#elif defined(__APPLE__)

// NSGL numbers no pixel formats, and GLX and EGL are not looked for here.
void read_chosen_pixel_format(GLFWwindow*) {}

bool display_connection_lost(char*, std::size_t) {
    return false;
}

#else

namespace {

// The little of GLX and EGL needed here, declared without their headers.
using Display = void;
using GLXContext = void*;
using EGLDisplay = void*;
using EGLContext = void*;
constexpr int glx_fbconfig_id = 0x8013;  // GLX_FBCONFIG_ID
constexpr int glx_success = 0;           // Success
constexpr int egl_config_id = 0x3028;    // EGL_CONFIG_ID
constexpr unsigned egl_true = 1;         // EGL_TRUE

using GlfwGetX11DisplayFn = Display* (*)();
using GlfwGetGLXContextFn = GLXContext (*)(GLFWwindow*);
using GlfwGetEGLDisplayFn = EGLDisplay (*)();
using GlfwGetEGLContextFn = EGLContext (*)(GLFWwindow*);
using GlfwGetPlatformFn = int (*)();
using GlXQueryContextFn = int (*)(Display*, GLXContext, int, int*);
using EglQueryContextFn = unsigned (*)(EGLDisplay, EGLContext, std::int32_t, std::int32_t*);
using EglGetCurrentDisplayFn = EGLDisplay (*)();
using EglGetCurrentContextFn = EGLContext (*)();

// glfwGetPlatform's answers (GLFW 3.4 and later; 3.3 has no such call).
constexpr int glfw_platform_wayland = 0x00060003;
constexpr int glfw_platform_x11 = 0x00060004;

// The little of libwayland-client needed here, declared without its headers.
using WlDisplay = void;
struct WlInterface {
    const char* name;  // the first member of struct wl_interface
};
using GlfwGetWaylandDisplayFn = WlDisplay* (*)();
using WlDisplayGetErrorFn = int (*)(WlDisplay*);
using WlDisplayGetProtocolErrorFn = std::uint32_t (*)(WlDisplay*, const WlInterface**, std::uint32_t*);
using WlDisplayFlushFn = int (*)(WlDisplay*);

template <typename Fn>
Fn symbol(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

// Finds a function of a library the process has already loaded, without loading
// any: first among the process's global symbols (a library GLFW links), then in a
// library GLFW has opened itself (GLFW 3.4 opens its platform libraries privately).
template <typename Fn>
Fn loaded_function(const char* name, const char* const* sonames) {
    if (Fn fn = symbol<Fn>(RTLD_DEFAULT, name)) return fn;
    for (const char* const* so = sonames; *so != nullptr; ++so) {
        void* handle = dlopen(*so, RTLD_LAZY | RTLD_NOLOAD);
        if (handle == nullptr) continue;
        Fn fn = symbol<Fn>(handle, name);
        dlclose(handle);  // GLFW keeps its own reference, so fn stays valid
        if (fn != nullptr) return fn;
    }
    return nullptr;
}

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

// True when this GLFW made the window's native context with GLX: the library
// has the GLX access functions (its X11 build) and, where it can run on more
// than one platform, runs on X11.
bool native_api_is_glx() {
    if (symbol<GlfwGetGLXContextFn>(RTLD_DEFAULT, "glfwGetGLXContext") == nullptr ||
        symbol<GlfwGetX11DisplayFn>(RTLD_DEFAULT, "glfwGetX11Display") == nullptr) {
        return false;
    }
    const auto get_platform = symbol<GlfwGetPlatformFn>(RTLD_DEFAULT, "glfwGetPlatform");
    return get_platform == nullptr || get_platform() == glfw_platform_x11;
}

void read_glx(GLFWwindow* window) {
    const auto get_display = symbol<GlfwGetX11DisplayFn>(RTLD_DEFAULT, "glfwGetX11Display");
    const auto get_context = symbol<GlfwGetGLXContextFn>(RTLD_DEFAULT, "glfwGetGLXContext");
    const char* const sonames[] = {"libGLX.so.0", "libGL.so.1", "libGL.so", nullptr};
    const auto query = context_api_function<GlXQueryContextFn>(window, "glXQueryContext", sonames);
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
    const char* const sonames[] = {"libEGL.so.1", "libEGL.so", nullptr};
    const auto query = context_api_function<EglQueryContextFn>(window, "eglQueryContext", sonames);
    if (query == nullptr) return;
    EGLDisplay display = nullptr;
    EGLContext context = nullptr;
    if (glfwGetCurrentContext() == window) {
        const auto current_display =
            context_api_function<EglGetCurrentDisplayFn>(window, "eglGetCurrentDisplay", sonames);
        const auto current_context =
            context_api_function<EglGetCurrentContextFn>(window, "eglGetCurrentContext", sonames);
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

// The connection to the Wayland compositor that GLFW runs on, or null where GLFW
// runs on another platform: a GLFW without Wayland lacks glfwGetWaylandDisplay,
// and a GLFW with several platforms says which it chose (it would report an
// error for the Wayland call on another).
WlDisplay* wayland_display() {
    const auto get_display = symbol<GlfwGetWaylandDisplayFn>(RTLD_DEFAULT, "glfwGetWaylandDisplay");
    if (get_display == nullptr) return nullptr;
    const auto get_platform = symbol<GlfwGetPlatformFn>(RTLD_DEFAULT, "glfwGetPlatform");
    if (get_platform != nullptr && get_platform() != glfw_platform_wayland) return nullptr;
    return get_display();
}

}  // namespace

bool display_connection_lost(char* reason, std::size_t size) {
    WlDisplay* display = wayland_display();
    if (display == nullptr) return false;
    const char* const sonames[] = {"libwayland-client.so.0", nullptr};
    const auto get_error = loaded_function<WlDisplayGetErrorFn>("wl_display_get_error", sonames);
    const auto flush = loaded_function<WlDisplayFlushFn>("wl_display_flush", sonames);
    if (get_error == nullptr || flush == nullptr) return false;
    int error = get_error(display);
    // libwayland records a failed read (the compositor closed the socket) and a
    // protocol error as the connection's error, but leaves a failed write for
    // the next read to find; GLFW closed its windows on such a write. A flush
    // tells: it writes what is still pending (or nothing), never blocks, and
    // fails the same way again on a broken connection.
    if (error == 0 && flush(display) < 0 && errno != EAGAIN) error = errno;
    if (error == 0) return false;
    const auto get_protocol_error =
        loaded_function<WlDisplayGetProtocolErrorFn>("wl_display_get_protocol_error", sonames);
    if (error == EPROTO && get_protocol_error != nullptr) {
        const WlInterface* interface = nullptr;
        std::uint32_t id = 0;
        const std::uint32_t code = get_protocol_error(display, &interface, &id);
        const char* name = interface != nullptr && interface->name != nullptr ? interface->name : "an object";
        std::snprintf(reason, size, "protocol error %u on %s@%u", code, name, id);
    } else {
        std::snprintf(reason, size, "%s", std::strerror(error));
    }
    return true;
}

void read_chosen_pixel_format(GLFWwindow* window) {
    if (window == nullptr || glfwGetWindowAttrib(window, GLFW_CLIENT_API) == GLFW_NO_API) return;
    switch (glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API)) {
    case GLFW_NATIVE_CONTEXT_API:
        if (native_api_is_glx()) {
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
