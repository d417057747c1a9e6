// jaggo platform: a surfaceless desktop OpenGL context from EGL, without a window. No EGL library is
// linked: libEGL is opened at run time, as no display means nothing has loaded it yet.
#include "platform/egl_offscreen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#if !defined(_WIN32) && !defined(__APPLE__)
#include <cstdint>
#include <initializer_list>

#include "platform/loaded_library.h"
#include "platform/name_list.h"
#endif

namespace jaggo {

#if defined(_WIN32) || defined(__APPLE__)

// A Windows or macOS window needs no display server, so the window's context serves.
bool no_display_server() {
    return false;
}

bool make_egl_offscreen(const char*, EglOffscreen*, char* why, std::size_t size) {
    std::snprintf(why, size, "an OpenGL context without a window is not available on this platform");
    return false;
}

void release_egl_offscreen(EglOffscreen*) {}

#else

namespace {

// The little of EGL needed here, declared without its headers.
using EGLDisplay = void*;
using EGLConfig = void*;
using EGLContext = void*;
using EGLSurface = void*;
using EGLDeviceEXT = void*;
using EGLint = std::int32_t;
using EGLenum = unsigned;
using EGLBoolean = unsigned;
constexpr EGLint egl_none = 0x3038;                         // EGL_NONE
constexpr EGLint egl_extensions = 0x3055;                   // EGL_EXTENSIONS
constexpr EGLint egl_surface_type = 0x3033;                 // EGL_SURFACE_TYPE
constexpr EGLint egl_renderable_type = 0x3040;              // EGL_RENDERABLE_TYPE
constexpr EGLint egl_opengl_bit = 0x0008;                   // EGL_OPENGL_BIT
constexpr EGLenum egl_opengl_api = 0x30A2;                  // EGL_OPENGL_API
constexpr EGLenum egl_platform_device = 0x313F;             // EGL_PLATFORM_DEVICE_EXT
constexpr EGLenum egl_platform_surfaceless = 0x31DD;        // EGL_PLATFORM_SURFACELESS_MESA
constexpr EGLint egl_drm_device_file = 0x3233;              // EGL_DRM_DEVICE_FILE_EXT
constexpr EGLint egl_drm_render_node_file = 0x3377;         // EGL_DRM_RENDER_NODE_FILE_EXT
constexpr int max_devices = 16;

using GetProcAddressFn = void (*(*)(const char*))();
using GetErrorFn = EGLint (*)();
using QueryStringFn = const char* (*)(EGLDisplay, EGLint);
using GetPlatformDisplayFn = EGLDisplay (*)(EGLenum, void*, const EGLint*);
using QueryDevicesFn = EGLBoolean (*)(EGLint, EGLDeviceEXT*, EGLint*);
using QueryDeviceStringFn = const char* (*)(EGLDeviceEXT, EGLint);
using InitializeFn = EGLBoolean (*)(EGLDisplay, EGLint*, EGLint*);
using TerminateFn = EGLBoolean (*)(EGLDisplay);
using BindApiFn = EGLBoolean (*)(EGLenum);
using ChooseConfigFn = EGLBoolean (*)(EGLDisplay, const EGLint*, EGLConfig*, EGLint, EGLint*);
using CreateContextFn = EGLContext (*)(EGLDisplay, EGLConfig, EGLContext, const EGLint*);
using MakeCurrentFn = EGLBoolean (*)(EGLDisplay, EGLSurface, EGLSurface, EGLContext);
using DestroyContextFn = EGLBoolean (*)(EGLDisplay, EGLContext);

struct Egl {
    void* library;
    GetProcAddressFn get_proc_address;
    GetErrorFn get_error;
    QueryStringFn query_string;
    GetPlatformDisplayFn get_platform_display;
    QueryDevicesFn query_devices;
    QueryDeviceStringFn query_device_string;
    InitializeFn initialize;
    TerminateFn terminate;
    BindApiFn bind_api;
    ChooseConfigFn choose_config;
    CreateContextFn create_context;
    MakeCurrentFn make_current;
    DestroyContextFn destroy_context;
};

// The functions of EGL 1.4 from the library itself, the platform and device functions of the
// extensions through its address query (EGL 1.5's eglGetPlatformDisplay where it has it).
bool load_egl(Egl* egl, char* why, std::size_t size) {
    const char* const sonames[] = {"libEGL.so.1", "libEGL.so"};
    void* library = nullptr;
    for (const char* so : sonames) {
        if ((library = dlopen(so, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
    }
    if (library == nullptr) {
        const char* error = dlerror();
        std::snprintf(why, size, "EGL could not be loaded (%s)", error != nullptr ? error : "libEGL.so.1");
        return false;
    }
    // The library is never closed: the driver it loads may have registered handlers that run at exit.
    egl->library = library;
    egl->get_proc_address = symbol<GetProcAddressFn>(library, "eglGetProcAddress");
    egl->get_error = symbol<GetErrorFn>(library, "eglGetError");
    egl->query_string = symbol<QueryStringFn>(library, "eglQueryString");
    egl->initialize = symbol<InitializeFn>(library, "eglInitialize");
    egl->terminate = symbol<TerminateFn>(library, "eglTerminate");
    egl->bind_api = symbol<BindApiFn>(library, "eglBindAPI");
    egl->choose_config = symbol<ChooseConfigFn>(library, "eglChooseConfig");
    egl->create_context = symbol<CreateContextFn>(library, "eglCreateContext");
    egl->make_current = symbol<MakeCurrentFn>(library, "eglMakeCurrent");
    egl->destroy_context = symbol<DestroyContextFn>(library, "eglDestroyContext");
    if (egl->get_proc_address == nullptr || egl->get_error == nullptr || egl->query_string == nullptr ||
        egl->initialize == nullptr || egl->terminate == nullptr || egl->bind_api == nullptr ||
        egl->choose_config == nullptr || egl->create_context == nullptr || egl->make_current == nullptr ||
        egl->destroy_context == nullptr) {
        std::snprintf(why, size, "the EGL library lacks functions of EGL 1.4");
        return false;
    }
    egl->get_platform_display = symbol<GetPlatformDisplayFn>(library, "eglGetPlatformDisplay");
    if (egl->get_platform_display == nullptr) {
        egl->get_platform_display =
            reinterpret_cast<GetPlatformDisplayFn>(egl->get_proc_address("eglGetPlatformDisplayEXT"));
    }
    egl->query_devices = reinterpret_cast<QueryDevicesFn>(egl->get_proc_address("eglQueryDevicesEXT"));
    egl->query_device_string =
        reinterpret_cast<QueryDeviceStringFn>(egl->get_proc_address("eglQueryDeviceStringEXT"));
    return true;
}

// True when Mesa is told to render in software: LIBGL_ALWAYS_SOFTWARE set to a value it reads as true.
bool software_forced() {
    const char* value = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (value == nullptr) return false;
    for (const char* yes : {"1", "true", "y", "yes"}) {
        if (std::strcmp(value, yes) == 0) return true;
    }
    return false;
}

// True for Mesa's software device, which renders on the processor.
bool is_software(const Egl& egl, EGLDeviceEXT device) {
    return egl.query_device_string != nullptr &&
           list_has_name(egl.query_device_string(device, egl_extensions), "EGL_MESA_device_software");
}

// eglInitialize on the display. Mesa warns about forced software rendering on any device's display,
// its own software device's too, although that device renders in software whatever is asked; so
// for that device (quiet) the request is held back while the display starts, and then restored.
EGLBoolean initialize(const Egl& egl, EGLDisplay display, bool quiet) {
    const bool held = quiet && software_forced();
    char value[8] = "";
    if (held) {
        std::snprintf(value, sizeof value, "%s", std::getenv("LIBGL_ALWAYS_SOFTWARE"));
        unsetenv("LIBGL_ALWAYS_SOFTWARE");
    }
    EGLint major = 0;
    EGLint minor = 0;
    const EGLBoolean initialised = egl.initialize(display, &major, &minor);
    if (held) setenv("LIBGL_ALWAYS_SOFTWARE", value, 1);
    return initialised;
}

// On the display (not yet initialised; software_device for Mesa's software device's): a desktop
// OpenGL context made current without a surface. The display is ended again when that fails; why
// then says at which step.
bool make_context(const Egl& egl, EGLDisplay display, bool software_device, EglOffscreen* offscreen, char* why,
                  std::size_t size) {
    if (display == nullptr) {
        std::snprintf(why, size, "no display (EGL error 0x%04X)", static_cast<unsigned>(egl.get_error()));
        return false;
    }
    if (!initialize(egl, display, software_device)) {
        std::snprintf(why, size, "eglInitialize failed (EGL error 0x%04X)", static_cast<unsigned>(egl.get_error()));
        return false;
    }
    // Any surface type: the context draws into framebuffer objects only.
    const EGLint attributes[] = {egl_renderable_type, egl_opengl_bit, egl_surface_type, 0, egl_none};
    EGLConfig config = nullptr;
    EGLint count = 0;
    const char* step = nullptr;
    EGLContext context = nullptr;
    if (!egl.bind_api(egl_opengl_api)) {
        step = "eglBindAPI(EGL_OPENGL_API) failed";
    } else if (!egl.choose_config(display, attributes, &config, 1, &count) || count < 1) {
        step = "no configuration for desktop OpenGL";
    } else if ((context = egl.create_context(display, config, nullptr, nullptr)) == nullptr) {
        step = "eglCreateContext failed";
    } else if (!list_has_name(egl.query_string(display, egl_extensions), "EGL_KHR_surfaceless_context") ||
               !egl.make_current(display, nullptr, nullptr, context)) {
        step = "the context could not be made current without a surface";
    }
    if (step != nullptr) {
        std::snprintf(why, size, "%s (EGL error 0x%04X)", step, static_cast<unsigned>(egl.get_error()));
        if (context != nullptr) egl.destroy_context(display, context);
        egl.terminate(display);
        return false;
    }
    offscreen->display = display;
    offscreen->context = context;
    offscreen->get_proc_address = egl.get_proc_address;
    offscreen->library = egl.library;
    return true;
}

// The device's node file, where its extensions say it has one.
void name_device(const Egl& egl, EGLDeviceEXT device, char* name, std::size_t size) {
    name[0] = '\0';
    if (egl.query_device_string == nullptr) return;
    const char* extensions = egl.query_device_string(device, egl_extensions);
    const char* file = nullptr;
    if (list_has_name(extensions, "EGL_EXT_device_drm_render_node")) {
        file = egl.query_device_string(device, egl_drm_render_node_file);
    }
    if (file == nullptr && list_has_name(extensions, "EGL_EXT_device_drm")) {
        file = egl.query_device_string(device, egl_drm_device_file);
    }
    if (file != nullptr) std::snprintf(name, size, "%s", file);
}

// The devices are tried hardware first, as a runner with a GPU wants that one judged; where software
// rendering is forced, Mesa's software device first, as Mesa warns about a hardware device chosen
// then and renders in software anyway.
bool try_device(const Egl& egl, const char* client, EglOffscreen* offscreen, char* why, std::size_t size) {
    if (!list_has_name(client, "EGL_EXT_platform_device") || egl.query_devices == nullptr ||
        egl.get_platform_display == nullptr) {
        std::snprintf(why, size, "EGL offers no device platform (EGL_EXT_platform_device)");
        return false;
    }
    EGLDeviceEXT devices[max_devices] = {};
    EGLint count = 0;
    if (!egl.query_devices(max_devices, devices, &count) || count < 1) {
        std::snprintf(why, size, "EGL lists no devices");
        return false;
    }
    const bool software_first = software_forced();
    for (const bool software : {software_first, !software_first}) {
        for (EGLint i = 0; i < count; ++i) {
            if (is_software(egl, devices[i]) != software) continue;
            char reason[200];
            EGLDisplay display = egl.get_platform_display(egl_platform_device, devices[i], nullptr);
            if (make_context(egl, display, software, offscreen, reason, sizeof reason)) {
                offscreen->platform = "device";
                name_device(egl, devices[i], offscreen->device, sizeof offscreen->device);
                return true;
            }
            std::snprintf(why, size, "no device of %d gives a desktop OpenGL context (the last: %s)",
                          static_cast<int>(count), reason);
        }
    }
    return false;
}

bool try_surfaceless(const Egl& egl, const char* client, EglOffscreen* offscreen, char* why, std::size_t size) {
    if (!list_has_name(client, "EGL_MESA_platform_surfaceless") || egl.get_platform_display == nullptr) {
        std::snprintf(why, size, "EGL offers no surfaceless platform (EGL_MESA_platform_surfaceless)");
        return false;
    }
    EGLDisplay display = egl.get_platform_display(egl_platform_surfaceless, nullptr, nullptr);
    if (!make_context(egl, display, false, offscreen, why, size)) return false;
    offscreen->platform = "surfaceless";
    return true;
}

}  // namespace

bool no_display_server() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0');
}

bool make_egl_offscreen(const char* forced, EglOffscreen* offscreen, char* why, std::size_t size) {
    *offscreen = {};
    const bool any = forced == nullptr || *forced == '\0';
    if (!any && std::strcmp(forced, "device") != 0 && std::strcmp(forced, "surfaceless") != 0) {
        std::snprintf(why, size, "JAGGO_EGL_PLATFORM is \"%.40s\"; it may be device or surfaceless", forced);
        return false;
    }
    Egl egl{};
    if (!load_egl(&egl, why, size)) return false;
    // The client extensions: EGL 1.5, or 1.4 with EGL_EXT_client_extensions (else null).
    const char* client = egl.query_string(nullptr, egl_extensions);
    char device_why[320] = "not tried";
    char surfaceless_why[320] = "not tried";
    if ((any || std::strcmp(forced, "device") == 0) &&
        try_device(egl, client, offscreen, device_why, sizeof device_why)) {
        return true;
    }
    if ((any || std::strcmp(forced, "surfaceless") == 0) &&
        try_surfaceless(egl, client, offscreen, surfaceless_why, sizeof surfaceless_why)) {
        return true;
    }
    if (any) {
        std::snprintf(why, size, "EGL gave no OpenGL context without a display: device platform: %s; "
                      "surfaceless platform: %s", device_why, surfaceless_why);
    } else {
        std::snprintf(why, size, "EGL gave no OpenGL context on the %s platform: %s", forced,
                      std::strcmp(forced, "device") == 0 ? device_why : surfaceless_why);
    }
    return false;
}

void release_egl_offscreen(EglOffscreen* offscreen) {
    if (offscreen->library == nullptr) return;
    const auto make_current = symbol<MakeCurrentFn>(offscreen->library, "eglMakeCurrent");
    const auto destroy_context = symbol<DestroyContextFn>(offscreen->library, "eglDestroyContext");
    const auto terminate = symbol<TerminateFn>(offscreen->library, "eglTerminate");
    make_current(offscreen->display, nullptr, nullptr, nullptr);
    destroy_context(offscreen->display, offscreen->context);
    terminate(offscreen->display);
    *offscreen = {};
}

#endif

}  // namespace jaggo
