// jaggo platform: the platform's names and the chosen configuration's attributes, from GLX, EGL or
// WGL. No GL, GLX, EGL or X11 library is linked: their functions are found where GLFW loaded them.
#include "platform/configuration.h"

#include <GLFW/glfw3.h>

#if defined(_WIN32)
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>
#endif

#include "platform/context_api.h"

namespace jaggo {

#if defined(_WIN32)

namespace {

// The names of WGL_ARB_pixel_format, WGL_ARB_multisample and WGL_ARB_framebuffer_sRGB asked here.
constexpr int wgl_sample_buffers = 0x2041;  // WGL_SAMPLE_BUFFERS_ARB
constexpr int wgl_samples = 0x2042;         // WGL_SAMPLES_ARB
constexpr int wgl_red_bits = 0x2015;        // WGL_RED_BITS_ARB
constexpr int wgl_green_bits = 0x2017;      // WGL_GREEN_BITS_ARB
constexpr int wgl_blue_bits = 0x2019;       // WGL_BLUE_BITS_ARB
constexpr int wgl_alpha_bits = 0x201B;      // WGL_ALPHA_BITS_ARB
constexpr int wgl_depth_bits = 0x2022;      // WGL_DEPTH_BITS_ARB
constexpr int wgl_stencil_bits = 0x2023;    // WGL_STENCIL_BITS_ARB
constexpr int wgl_srgb_capable = 0x20A9;    // WGL_FRAMEBUFFER_SRGB_CAPABLE_ARB
using GetPixelFormatAttribivFn = BOOL(WINAPI*)(HDC, int, int, UINT, const int*, int*);

}  // namespace

PlatformNames platform_names(GLFWwindow* window) {
    return {window != nullptr && context_is_wgl(window) ? "WGL" : "EGL", "Windows", glfwGetVersionString()};
}

// Each attribute asked alone: a driver without WGL_ARB_multisample or WGL_ARB_framebuffer_sRGB
// refuses that one, and the others are still read. Without WGL_ARB_pixel_format, the colour,
// depth and stencil bits come from DescribePixelFormat.
ConfigurationAttributes configuration_attributes(GLFWwindow* window, std::int32_t number) {
    ConfigurationAttributes a{};
    if (window == nullptr || number <= 0 || glfwGetCurrentContext() != window || !context_is_wgl(window)) {
        return a;
    }
    HWND hwnd = glfwGetWin32Window(window);
    HDC dc = hwnd != nullptr ? GetDC(hwnd) : nullptr;
    if (dc == nullptr) return a;
    const auto get =
        reinterpret_cast<GetPixelFormatAttribivFn>(glfwGetProcAddress("wglGetPixelFormatAttribivARB"));
    const auto ask = [&](int name) -> std::optional<std::int32_t> {
        int value = 0;
        if (get == nullptr || !get(dc, number, 0, 1, &name, &value)) return std::nullopt;
        return value;
    };
    PIXELFORMATDESCRIPTOR described{};
    const bool has_descriptor = DescribePixelFormat(dc, number, sizeof described, &described) != 0;
    const auto or_described = [&](int name, BYTE bits) -> std::optional<std::int32_t> {
        if (const auto value = ask(name)) return value;
        if (has_descriptor) return bits;
        return std::nullopt;
    };
    a.sample_buffers = ask(wgl_sample_buffers);
    a.samples = ask(wgl_samples);
    a.red = or_described(wgl_red_bits, described.cRedBits);
    a.green = or_described(wgl_green_bits, described.cGreenBits);
    a.blue = or_described(wgl_blue_bits, described.cBlueBits);
    a.alpha = or_described(wgl_alpha_bits, described.cAlphaBits);
    a.depth = or_described(wgl_depth_bits, described.cDepthBits);
    a.stencil = or_described(wgl_stencil_bits, described.cStencilBits);
    if (const auto srgb = ask(wgl_srgb_capable)) a.srgb_capable = *srgb != 0;
    a.found = has_descriptor || a.red.has_value();
    ReleaseDC(hwnd, dc);
    return a;
}

#elif defined(__APPLE__)

PlatformNames platform_names(GLFWwindow*) {
    return {"NSGL", "macOS", glfwGetVersionString()};
}

// NSGL numbers no configurations.
ConfigurationAttributes configuration_attributes(GLFWwindow*, std::int32_t) {
    return {};
}

#else

namespace {

// What else of GLX and EGL is needed here (platform/context_api.h has the rest).
constexpr int glx_fbconfig_id = 0x8013;              // GLX_FBCONFIG_ID
constexpr int glx_config_caveat = 0x20;              // GLX_CONFIG_CAVEAT
constexpr int glx_slow_config = 0x8001;              // GLX_SLOW_CONFIG
constexpr int glx_non_conformant = 0x800D;           // GLX_NON_CONFORMANT_CONFIG
constexpr int glx_srgb_capable = 0x20B2;             // GLX_FRAMEBUFFER_SRGB_CAPABLE_ARB
constexpr std::int32_t egl_config_id = 0x3028;       // EGL_CONFIG_ID
constexpr std::int32_t egl_none = 0x3038;            // EGL_NONE
constexpr std::int32_t egl_config_caveat = 0x3027;   // EGL_CONFIG_CAVEAT
constexpr std::int32_t egl_slow_config = 0x3050;     // EGL_SLOW_CONFIG
constexpr std::int32_t egl_non_conformant = 0x3051;  // EGL_NON_CONFORMANT_CONFIG

// The numeric attributes, in the order of ConfigurationAttributes, and their names in GLX and EGL.
constexpr std::optional<std::int32_t> ConfigurationAttributes::*numbers[] = {
    &ConfigurationAttributes::sample_buffers, &ConfigurationAttributes::samples, &ConfigurationAttributes::red,
    &ConfigurationAttributes::green,          &ConfigurationAttributes::blue,    &ConfigurationAttributes::alpha,
    &ConfigurationAttributes::depth,          &ConfigurationAttributes::stencil};
// GLX_SAMPLE_BUFFERS, GLX_SAMPLES, GLX_RED_SIZE, GLX_GREEN_SIZE, GLX_BLUE_SIZE, GLX_ALPHA_SIZE,
// GLX_DEPTH_SIZE, GLX_STENCIL_SIZE
constexpr int glx_numbers[] = {100000, 100001, 8, 9, 10, 11, 12, 13};
// EGL_SAMPLE_BUFFERS, EGL_SAMPLES, EGL_RED_SIZE, EGL_GREEN_SIZE, EGL_BLUE_SIZE, EGL_ALPHA_SIZE,
// EGL_DEPTH_SIZE, EGL_STENCIL_SIZE
constexpr std::int32_t egl_numbers[] = {0x3032, 0x3031, 0x3024, 0x3023, 0x3022, 0x3021, 0x3025, 0x3026};

using XQueryExtensionFn = int (*)(Display*, const char*, int*, int*, int*);
using EglChooseConfigFn = unsigned (*)(EGLDisplay, const std::int32_t*, EGLConfig*, std::int32_t,
                                       std::int32_t*);

// The context API GLFW made the window's context with.
bool context_is_glx(GLFWwindow* window) {
    return glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API) == GLFW_NATIVE_CONTEXT_API &&
           glfw_native_api_is_glx();
}

// An X server that is Xwayland says so by an extension of that name.
bool x_server_is_xwayland() {
    const auto get_display = symbol<GlfwGetX11DisplayFn>(RTLD_DEFAULT, "glfwGetX11Display");
    const auto query = loaded_function<XQueryExtensionFn>("XQueryExtension", x11_sonames);
    Display* display = get_display != nullptr ? get_display() : nullptr;
    if (display == nullptr || query == nullptr) return false;
    int opcode = 0;
    int event = 0;
    int error = 0;
    return query(display, "XWAYLAND", &opcode, &event, &error) != 0;
}

// The window system GLFW runs on: the one it names (3.4), else the one this build of it serves.
const char* window_system() {
    int platform = glfw_platform();
    if (platform == 0) {
        if (symbol<void* (*)()>(RTLD_DEFAULT, "glfwGetX11Display") != nullptr) {
            platform = glfw_platform_x11;
        } else if (symbol<void* (*)()>(RTLD_DEFAULT, "glfwGetWaylandDisplay") != nullptr) {
            platform = glfw_platform_wayland;
        }
    }
    if (platform == glfw_platform_wayland) return "Wayland";
    if (platform == glfw_platform_x11) return x_server_is_xwayland() ? "Xwayland" : "X11";
    return nullptr;
}

// The numeric attributes read by ask, which gives an attribute's value or nothing.
template <typename Ask, typename Name>
void read_numbers(const Name (&names)[8], Ask ask, ConfigurationAttributes* a) {
    for (int i = 0; i < 8; ++i) a->*numbers[i] = ask(names[i]);
}

ConfigurationAttributes read_glx(GLFWwindow* window, std::int32_t number) {
    ConfigurationAttributes a{};
    GlxConfigs c = glx_configs(window);
    for (int i = 0; i < c.count && !a.found; ++i) {
        int id = 0;
        if (c.get_attrib(c.display, c.configs[i], glx_fbconfig_id, &id) != glx_success || id != number) continue;
        a.found = true;
        const auto ask = [&](int name) -> std::optional<std::int32_t> {
            int value = 0;
            if (c.get_attrib(c.display, c.configs[i], name, &value) != glx_success) return std::nullopt;
            return value;
        };
        read_numbers(glx_numbers, ask, &a);
        if (const auto srgb = ask(glx_srgb_capable)) a.srgb_capable = *srgb != 0;
        if (const auto caveat = ask(glx_config_caveat)) {
            a.caveat = *caveat == glx_slow_config      ? "slow"
                       : *caveat == glx_non_conformant ? "non-conformant"
                                                       : "none";
        }
    }
    release_glx_configs(&c);
    return a;
}

// EGL configurations carry no sRGB flag: sRGB is asked of the window surface instead.
ConfigurationAttributes read_egl(GLFWwindow* window, std::int32_t number) {
    ConfigurationAttributes a{};
    const auto current_display =
        context_api_function<EglGetCurrentDisplayFn>(window, "eglGetCurrentDisplay", egl_sonames);
    const auto choose = context_api_function<EglChooseConfigFn>(window, "eglChooseConfig", egl_sonames);
    const auto get_attrib =
        context_api_function<EglGetConfigAttribFn>(window, "eglGetConfigAttrib", egl_sonames);
    if (current_display == nullptr || choose == nullptr || get_attrib == nullptr) return a;
    EGLDisplay display = current_display();
    const std::int32_t wanted[] = {egl_config_id, number, egl_none};
    EGLConfig config = nullptr;
    std::int32_t count = 0;
    if (display == nullptr || choose(display, wanted, &config, 1, &count) != egl_true || count < 1) return a;
    a.found = true;
    const auto ask = [&](std::int32_t name) -> std::optional<std::int32_t> {
        std::int32_t value = 0;
        if (get_attrib(display, config, name, &value) != egl_true) return std::nullopt;
        return value;
    };
    read_numbers(egl_numbers, ask, &a);
    if (const auto caveat = ask(egl_config_caveat)) {
        a.caveat = *caveat == egl_slow_config ? "slow" : *caveat == egl_non_conformant ? "non-conformant" : "none";
    }
    return a;
}

}  // namespace

PlatformNames platform_names(GLFWwindow* window) {
    PlatformNames names{nullptr, window_system(), glfwGetVersionString()};
    if (window == nullptr || glfwGetWindowAttrib(window, GLFW_CLIENT_API) == GLFW_NO_API) return names;
    switch (glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API)) {
    case GLFW_NATIVE_CONTEXT_API:
        names.context_api = glfw_native_api_is_glx() ? "GLX" : "EGL";
        break;
    case GLFW_EGL_CONTEXT_API:
        names.context_api = "EGL";
        break;
    default:
        names.context_api = "OSMesa";
        break;
    }
    return names;
}

ConfigurationAttributes configuration_attributes(GLFWwindow* window, std::int32_t number) {
    if (window == nullptr || number <= 0 || glfwGetCurrentContext() != window ||
        glfwGetWindowAttrib(window, GLFW_CLIENT_API) == GLFW_NO_API) {
        return {};
    }
    switch (glfwGetWindowAttrib(window, GLFW_CONTEXT_CREATION_API)) {
    case GLFW_NATIVE_CONTEXT_API:
        return context_is_glx(window) ? read_glx(window, number) : read_egl(window, number);
    case GLFW_EGL_CONTEXT_API:
        return read_egl(window, number);
    default:  // OSMesa numbers no configurations
        return {};
    }
}

#endif

}  // namespace jaggo
