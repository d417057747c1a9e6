// jaggo tests: a faulty driver for a Windows program, which no LD_PRELOAD reaches. Built as a
// glfw3.dll that stands beside the program in place of GLFW's, renamed glfwreal.dll there: every
// other GLFW function is forwarded to it by the export table (tests/windows.cmake writes that from
// the real DLL's exports). By default glfwGetProcAddress hands out a glGetIntegerv whose GL_SAMPLES
// is 8 whatever the pixel format has; with JAGGO_GL_FAULT=present it claims nothing, and
// glfwSwapBuffers smooths the frame's edges before it swaps, as a driver's post-process at
// presentation does (present_smoothing.h).
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "present_smoothing.h"

struct GLFWwindow;

namespace {

using Proc = void (*)();
using QueryFn = Proc (*)(const char*);
using GetIntegervFn = void(APIENTRY*)(unsigned, int*);
constexpr unsigned gl_samples = 0x80A9;

GetIntegervFn real_get_integerv = nullptr;

void APIENTRY get_integerv_claiming_8_samples(unsigned name, int* data) {
    real_get_integerv(name, data);
    if (name == gl_samples) *data = 8;
}

bool smooths_at_present() {
    const char* fault = std::getenv("JAGGO_GL_FAULT");
    return fault != nullptr && std::strcmp(fault, "present") == 0;
}

template <typename Fn>
Fn real(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("glfwreal.dll"), name)));
}

}  // namespace

extern "C" Proc glfwGetProcAddress(const char* name) {
    static const auto query = real<QueryFn>("glfwGetProcAddress");
    const Proc address = query != nullptr ? query(name) : nullptr;
    if (address == nullptr || smooths_at_present() || std::strcmp(name, "glGetIntegerv") != 0) return address;
    real_get_integerv = reinterpret_cast<GetIntegervFn>(address);
    return reinterpret_cast<Proc>(&get_integerv_claiming_8_samples);
}

extern "C" void glfwSwapBuffers(GLFWwindow* window) {
    static const auto swap = real<void (*)(GLFWwindow*)>("glfwSwapBuffers");
    static const auto size = real<void (*)(GLFWwindow*, int*, int*)>("glfwGetFramebufferSize");
    static const auto query = real<QueryFn>("glfwGetProcAddress");
    if (smooths_at_present() && size != nullptr && query != nullptr) {
        int width = 0;
        int height = 0;
        size(window, &width, &height);
        jaggo_shim::smooth_back_buffer(width, height, [](const char* name) {
            // GL 1.1's functions come from opengl32 itself, which the driver's lookup may not give.
            Proc address = query(name);
            if (address == nullptr) {
                address = reinterpret_cast<Proc>(
                    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("opengl32.dll"), name)));
            }
            return address;
        });
    }
    if (swap != nullptr) swap(window);
}
