// jaggo platform: the framebuffer's settled size on Wayland, read through GLFW and the
// libwayland-client GLFW loaded (nothing is linked). Other platforms have nothing to wait for.
#include "platform/settled_size.h"

#if !defined(_WIN32) && !defined(__APPLE__)
#include <GLFW/glfw3.h>

#include <cmath>

#include "platform/loaded_library.h"
#endif

namespace jaggo {

#if defined(_WIN32) || defined(__APPLE__)

bool framebuffer_settled(GLFWwindow*, int) {
    return true;
}

#else

namespace {

using WlDisplayRoundtripFn = int (*)(void*);
// GLFW 3.3's; found at run time, as every platform call here.
using GlfwGetWindowContentScaleFn = void (*)(GLFWwindow*, float*, float*);

}  // namespace

bool framebuffer_settled(GLFWwindow* window, int frames_presented) {
    void* display = glfw_wayland_display();
    if (display == nullptr) return true;
    if (frames_presented == 0) return false;
    const char* const sonames[] = {"libwayland-client.so.0", nullptr};
    const auto roundtrip = loaded_function<WlDisplayRoundtripFn>("wl_display_roundtrip", sonames);
    const auto content_scale =
        symbol<GlfwGetWindowContentScaleFn>(RTLD_DEFAULT, "glfwGetWindowContentScale");
    if (roundtrip == nullptr || content_scale == nullptr) return true;  // nothing more to learn
    if (roundtrip(display) < 0) return true;  // a broken connection: the frame loop reports it
    float x_scale = 1.0F;
    float y_scale = 1.0F;
    content_scale(window, &x_scale, &y_scale);
    int width = 0;
    int height = 0;
    int framebuffer_width = 0;
    int framebuffer_height = 0;
    glfwGetWindowSize(window, &width, &height);
    glfwGetFramebufferSize(window, &framebuffer_width, &framebuffer_height);
    return framebuffer_width == std::lround(static_cast<double>(width) * x_scale) &&
           framebuffer_height == std::lround(static_cast<double>(height) * y_scale);
}

#endif

}  // namespace jaggo
