// jaggo platform: functions of libraries the process has already loaded (GLFW, and what GLFW loaded for
// its platform), found by name without loading any; and which platform GLFW runs on. POSIX only.
#pragma once

#include <dlfcn.h>

namespace jaggo {

template <typename Fn>
Fn symbol(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

// Finds a function of a library the process has already loaded, without loading
// any: first among the process's global symbols (a library GLFW links), then in a
// library GLFW has opened itself (GLFW 3.4 opens its platform libraries privately).
// sonames ends with a null.
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

// glfwGetPlatform's answers (GLFW 3.4 and later).
constexpr int glfw_platform_wayland = 0x00060003;
constexpr int glfw_platform_x11 = 0x00060004;

// The platform GLFW runs on, or 0 from a GLFW before 3.4, which has no such call
// because it runs on the one platform it was built for.
inline int glfw_platform() {
    const auto get_platform = symbol<int (*)()>(RTLD_DEFAULT, "glfwGetPlatform");
    return get_platform != nullptr ? get_platform() : 0;
}

// The connection to the Wayland compositor that GLFW runs on, or null where GLFW runs on another
// platform: a GLFW without Wayland lacks glfwGetWaylandDisplay, and a GLFW with several platforms
// says which it chose (it would report an error for the Wayland call on another).
inline void* glfw_wayland_display() {
    const auto get_display = symbol<void* (*)()>(RTLD_DEFAULT, "glfwGetWaylandDisplay");
    if (get_display == nullptr) return nullptr;
    const int platform = glfw_platform();
    if (platform != 0 && platform != glfw_platform_wayland) return nullptr;
    return get_display();
}

// True when this GLFW makes its native contexts with GLX: the library has the
// GLX access functions (its X11 build) and, where it can run on more than one
// platform, runs on X11. Otherwise a native context is EGL's (Wayland).
inline bool glfw_native_api_is_glx() {
    if (symbol<void* (*)()>(RTLD_DEFAULT, "glfwGetGLXContext") == nullptr ||
        symbol<void* (*)()>(RTLD_DEFAULT, "glfwGetX11Display") == nullptr) {
        return false;
    }
    const int platform = glfw_platform();
    return platform == 0 || platform == glfw_platform_x11;
}

}  // namespace jaggo
