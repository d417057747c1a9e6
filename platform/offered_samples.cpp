// jaggo platform: lists the sample counts of the framebuffer configurations GLX, EGL or WGL offer. No
// GL, GLX or EGL library is linked: their functions are found where GLFW loaded them.
#include "platform/offered_samples.h"

#include <GLFW/glfw3.h>

#if defined(_WIN32)
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>
#endif

#include "platform/context_api.h"

namespace jaggo {

namespace {

// Adds samples to the ascending list of distinct counts; a negative count (a broken driver)
// is no count, and a full list keeps its smallest counts.
[[maybe_unused]] void add_count(OfferedSamples* offered, int samples) {
    if (samples < 0) return;
    int at = 0;
    while (at < offered->count && offered->counts[at] < samples) ++at;
    if (at == max_offered_counts || (at < offered->count && offered->counts[at] == samples)) return;
    if (offered->count < max_offered_counts) ++offered->count;  // else the largest is shifted out
    for (int i = offered->count - 1; i > at; --i) offered->counts[i] = offered->counts[i - 1];
    offered->counts[at] = samples;
}

// The list under api's name, or nothing listed when no configuration qualified.
[[maybe_unused]] OfferedSamples named(OfferedSamples offered, const char* api) {
    offered.api = offered.count > 0 ? api : nullptr;
    return offered;
}

}  // namespace

#if defined(_WIN32)

namespace {

// The names of WGL_ARB_pixel_format and WGL_ARB_multisample asked here.
constexpr int wgl_number_pixel_formats = 0x2000;  // WGL_NUMBER_PIXEL_FORMATS_ARB
constexpr int wgl_draw_to_window = 0x2001;        // WGL_DRAW_TO_WINDOW_ARB
constexpr int wgl_support_opengl = 0x2010;        // WGL_SUPPORT_OPENGL_ARB
constexpr int wgl_pixel_type = 0x2013;            // WGL_PIXEL_TYPE_ARB
constexpr int wgl_type_rgba = 0x202B;             // WGL_TYPE_RGBA_ARB
constexpr int wgl_samples = 0x2042;               // WGL_SAMPLES_ARB
using GetPixelFormatAttribivFn = BOOL(WINAPI*)(HDC, int, int, UINT, const int*, int*);

// A pixel format whose attributes cannot be read is left out; so without WGL_ARB_multisample,
// whose samples attribute the query then refuses, nothing is listed.
OfferedSamples list_wgl(GLFWwindow* window) {
    OfferedSamples offered{};
    const auto get =
        reinterpret_cast<GetPixelFormatAttribivFn>(glfwGetProcAddress("wglGetPixelFormatAttribivARB"));
    HWND hwnd = glfwGetWin32Window(window);
    HDC dc = get != nullptr && hwnd != nullptr ? GetDC(hwnd) : nullptr;
    if (dc == nullptr) return offered;
    const int count_name = wgl_number_pixel_formats;
    int formats = 0;
    if (!get(dc, 1, 0, 1, &count_name, &formats)) formats = 0;
    const int names[] = {wgl_draw_to_window, wgl_support_opengl, wgl_pixel_type, wgl_samples};
    for (int format = 1; format <= formats; ++format) {
        int values[4] = {0, 0, 0, 0};
        if (!get(dc, format, 0, 4, names, values)) continue;
        if (values[0] != 0 && values[1] != 0 && values[2] == wgl_type_rgba) add_count(&offered, values[3]);
    }
    ReleaseDC(hwnd, dc);
    return named(offered, "WGL");
}

}  // namespace

OfferedSamples offered_sample_counts(GLFWwindow* window) {
    if (window == nullptr || glfwGetCurrentContext() != window || !context_is_wgl(window)) return {};
    return list_wgl(window);
}

#elif defined(__APPLE__)

// NSGL lists no configurations, and GLX and EGL are not looked for here.
OfferedSamples offered_sample_counts(GLFWwindow*) {
    return {};
}

#else

namespace {

// What else of GLX and EGL is needed here (platform/context_api.h has the rest).
constexpr int glx_drawable_type = 0x8010;  // GLX_DRAWABLE_TYPE
constexpr int glx_render_type = 0x8011;    // GLX_RENDER_TYPE
constexpr int glx_window_bit = 0x0001;     // GLX_WINDOW_BIT
constexpr int glx_rgba_bit = 0x0001;       // GLX_RGBA_BIT
constexpr int glx_samples = 100001;        // GLX_SAMPLES

constexpr std::int32_t egl_samples = 0x3031;                           // EGL_SAMPLES
constexpr std::int32_t egl_surface_type = 0x3033;                      // EGL_SURFACE_TYPE
constexpr std::int32_t egl_renderable_type = 0x3040;                   // EGL_RENDERABLE_TYPE
constexpr std::int32_t egl_window_bit = 0x0004;                        // EGL_WINDOW_BIT
constexpr std::int32_t egl_opengl_bit = 0x0008;                        // EGL_OPENGL_BIT
constexpr std::int32_t egl_opengl_es_bits = 0x0001 | 0x0004 | 0x0040;  // EGL_OPENGL_ES_BIT, ES2, ES3

using EglGetConfigsFn = unsigned (*)(EGLDisplay, EGLConfig*, std::int32_t, std::int32_t*);

// The configurations of the screen GLFW opens its windows on. A configuration whose attributes
// cannot be read is left out; so is every one on a GLX without multisampling, which knows no
// GLX_SAMPLES.
OfferedSamples list_glx(GLFWwindow* window) {
    OfferedSamples offered{};
    GlxConfigs c = glx_configs(window);
    for (int i = 0; i < c.count; ++i) {
        int render = 0;
        int drawable = 0;
        int samples = 0;
        if (c.get_attrib(c.display, c.configs[i], glx_render_type, &render) != glx_success ||
            c.get_attrib(c.display, c.configs[i], glx_drawable_type, &drawable) != glx_success ||
            c.get_attrib(c.display, c.configs[i], glx_samples, &samples) != glx_success) {
            continue;
        }
        if ((render & glx_rgba_bit) != 0 && (drawable & glx_window_bit) != 0) add_count(&offered, samples);
    }
    release_glx_configs(&c);
    return named(offered, "GLX");
}

// Read into a fixed buffer, so that listing allocates nothing; a display with more
// configurations than it holds (none known has a tenth as many) is listed by its first ones.
constexpr std::int32_t max_egl_configs = 4096;
EGLConfig egl_configs[max_egl_configs];

// The window configurations of the current display that serve the context's client API
// (desktop OpenGL, or any OpenGL ES). One whose attributes cannot be read is left out.
OfferedSamples list_egl(GLFWwindow* window) {
    OfferedSamples offered{};
    const auto current_display =
        context_api_function<EglGetCurrentDisplayFn>(window, "eglGetCurrentDisplay", egl_sonames);
    const auto get_configs = context_api_function<EglGetConfigsFn>(window, "eglGetConfigs", egl_sonames);
    const auto get_attrib =
        context_api_function<EglGetConfigAttribFn>(window, "eglGetConfigAttrib", egl_sonames);
    if (current_display == nullptr || get_configs == nullptr || get_attrib == nullptr) return offered;
    EGLDisplay display = current_display();
    std::int32_t count = 0;
    if (display == nullptr || get_configs(display, egl_configs, max_egl_configs, &count) != egl_true) {
        return offered;
    }
    const std::int32_t renderable =
        glfwGetWindowAttrib(window, GLFW_CLIENT_API) == GLFW_OPENGL_API ? egl_opengl_bit : egl_opengl_es_bits;
    for (std::int32_t i = 0; i < count && i < max_egl_configs; ++i) {
        std::int32_t surface = 0;
        std::int32_t apis = 0;
        std::int32_t samples = 0;
        if (get_attrib(display, egl_configs[i], egl_surface_type, &surface) != egl_true ||
            get_attrib(display, egl_configs[i], egl_renderable_type, &apis) != egl_true ||
            get_attrib(display, egl_configs[i], egl_samples, &samples) != egl_true) {
            continue;
        }
        if ((surface & egl_window_bit) != 0 && (apis & renderable) != 0) add_count(&offered, samples);
    }
    return named(offered, "EGL");
}

}  // namespace

OfferedSamples offered_sample_counts(GLFWwindow* window) {
    if (window == nullptr || glfwGetCurrentContext() != window) return {};
    switch (glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API)) {
    case GLFW_NATIVE_CONTEXT_API:
        return glfw_native_api_is_glx() ? list_glx(window) : list_egl(window);
    case GLFW_EGL_CONTEXT_API:
        return list_egl(window);
    default:  // OSMesa lists no configurations
        return {};
    }
}

#endif

}  // namespace jaggo
