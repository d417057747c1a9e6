// jaggo platform: an OpenGL context without any window or display server, made through EGL's device
// platform or Mesa's surfaceless one, for judging offscreen framebuffers on machines without a display.
#pragma once

#include <cstddef>

namespace jaggo {

// True when the process has no display server to open a window on: neither DISPLAY nor
// WAYLAND_DISPLAY is set. Always false on Windows and macOS, whose windows need no such server.
bool no_display_server();

// The address query of the context's API, in the loader's shape (gl::GLQueryFn).
using ProcAddressFn = void (*(*)(const char* name))();

// A current desktop OpenGL context without a surface.
struct EglOffscreen {
    const char* platform = nullptr;  // "device" or "surfaceless"
    char device[256] = "";           // the device's node file where it has one, else empty
    ProcAddressFn get_proc_address = nullptr;
    void* library = nullptr;  // libEGL, whose functions make, release and end the context
    void* display = nullptr;
    void* context = nullptr;
};

// Makes the context current. Tries the device platform (EGL_EXT_platform_device: the first
// device that gives a desktop OpenGL context, hardware devices before Mesa's software one, or that
// one first where LIBGL_ALWAYS_SOFTWARE forces software rendering) and then Mesa's surfaceless
// platform; forced names the one to try alone ("device" or "surfaceless"; nullptr or empty tries
// both). libEGL is opened at run time, and nothing else is loaded. On failure returns false with the reason, in words
// and without "Error:", in why; nothing is left current.
bool make_egl_offscreen(const char* forced, EglOffscreen* offscreen, char* why, std::size_t size);

// Releases and destroys the context and ends its display. libEGL stays loaded.
void release_egl_offscreen(EglOffscreen* offscreen);

}  // namespace jaggo
