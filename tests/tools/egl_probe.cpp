// jaggo tests: what the Wayland compositor's EGL display offers, asked directly through libEGL.
// The Wayland test compares jaggo's report with it; jaggo itself links no EGL library.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// libwayland-client is opened at run time: only its connect and disconnect
// calls are needed, and its development headers are not.
struct Wayland {
    void* library = nullptr;
    void* (*connect)(const char*) = nullptr;
    void (*disconnect)(void*) = nullptr;
};

bool open_wayland(Wayland* wl) {
    wl->library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (wl->library == nullptr) return false;
    wl->connect = reinterpret_cast<void* (*)(const char*)>(dlsym(wl->library, "wl_display_connect"));
    wl->disconnect = reinterpret_cast<void (*)(void*)>(dlsym(wl->library, "wl_display_disconnect"));
    return wl->connect != nullptr && wl->disconnect != nullptr;
}

// "configs": one line per EGL configuration: its id, sample count and sample buffers.
int list_configs(EGLDisplay display) {
    EGLint count = 0;
    if (!eglGetConfigs(display, nullptr, 0, &count) || count <= 0) return 3;
    std::vector<EGLConfig> configs(static_cast<std::size_t>(count));
    if (!eglGetConfigs(display, configs.data(), count, &count)) return 3;
    for (EGLint i = 0; i < count; ++i) {
        EGLint id = 0, samples = 0, buffers = 0;
        const EGLConfig config = configs[static_cast<std::size_t>(i)];
        eglGetConfigAttrib(display, config, EGL_CONFIG_ID, &id);
        eglGetConfigAttrib(display, config, EGL_SAMPLES, &samples);
        eglGetConfigAttrib(display, config, EGL_SAMPLE_BUFFERS, &buffers);
        std::printf("%d %d %d\n", id, samples, buffers);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "configs") != 0) {
        std::fprintf(stderr, "usage: egl_probe configs\n");
        return 1;
    }
    Wayland wl;
    if (!open_wayland(&wl)) return 77;
    void* native = wl.connect(nullptr);  // WAYLAND_DISPLAY, as for jaggo
    if (native == nullptr) return 77;
    int status = 2;
    EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, native, nullptr);
    EGLint major = 0, minor = 0;
    if (display != EGL_NO_DISPLAY && eglInitialize(display, &major, &minor)) {
        status = list_configs(display);
        eglTerminate(display);
    }
    wl.disconnect(native);
    return status;
}
