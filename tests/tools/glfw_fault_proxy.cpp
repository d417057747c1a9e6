// jaggo tests: a faulty driver for a Windows program, which no LD_PRELOAD reaches. Built as a
// glfw3.dll that stands beside the program in place of GLFW's, renamed glfwreal.dll there: every
// other GLFW function is forwarded to it by the export table (tests/windows.cmake writes that from
// the real DLL's exports). Without JAGGO_GL_FAULT glfwGetProcAddress hands out a glGetIntegerv whose
// GL_SAMPLES is 8 whatever the pixel format has; with a fault named it claims nothing, and
// =present makes glfwSwapBuffers smooth the frame's edges before it swaps, as a driver's
// post-process at presentation does (present_smoothing.h); =mirrored makes GL_SAMPLE_POSITION answer
// each position mirrored top to bottom; =filtered smooths what a blit from a multisampled
// framebuffer into a single-sampled one writes, as a filtered resolve does; =nocopy makes
// glTexImage2DMultisample do nothing, so that no multisampled texture gets storage.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "present_smoothing.h"

struct GLFWwindow;

namespace {

using Proc = void (*)();
using QueryFn = Proc (*)(const char*);
using GetIntegervFn = void(APIENTRY*)(unsigned, int*);
using GetMultisampleFn = void(APIENTRY*)(unsigned, unsigned, float*);
using BlitFn = void(APIENTRY*)(int, int, int, int, int, int, int, int, unsigned, unsigned);
using TextureFn = void(APIENTRY*)(unsigned, int, unsigned, int, int, unsigned char);
constexpr unsigned gl_samples = 0x80A9;
constexpr unsigned gl_sample_position = 0x8E50;

GetIntegervFn real_get_integerv = nullptr;

void APIENTRY get_integerv_claiming_8_samples(unsigned name, int* data) {
    real_get_integerv(name, data);
    if (name == gl_samples) *data = 8;
}

bool fault_is(const char* name) {
    const char* fault = std::getenv("JAGGO_GL_FAULT");
    return fault != nullptr && std::strcmp(fault, name) == 0;
}

template <typename Fn>
Fn real(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("glfwreal.dll"), name)));
}

// GL's functions as the driver gives them; GL 1.1's come from opengl32 itself, which the driver's
// lookup may not give.
Proc lookup(const char* name) {
    static const auto query = real<QueryFn>("glfwGetProcAddress");
    Proc address = query != nullptr ? query(name) : nullptr;
    if (address == nullptr) {
        address = reinterpret_cast<Proc>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("opengl32.dll"), name)));
    }
    return address;
}

GetMultisampleFn real_get_multisample = nullptr;

void APIENTRY get_multisample_mirrored(unsigned name, unsigned index, float* value) {
    real_get_multisample(name, index, value);
    if (name == gl_sample_position) value[1] = 1.0f - value[1];
}

BlitFn real_blit = nullptr;

void APIENTRY blit_filtered(int x0, int y0, int x1, int y1, int to_x0, int to_y0, int to_x1, int to_y1,
                            unsigned mask, unsigned filter) {
    real_blit(x0, y0, x1, y1, to_x0, to_y0, to_x1, to_y1, mask, filter);
    jaggo_shim::smooth_resolve(to_x1, to_y1, lookup);
}

void APIENTRY make_no_texture(unsigned, int, unsigned, int, int, unsigned char) {}

}  // namespace

extern "C" Proc glfwGetProcAddress(const char* name) {
    static const auto query = real<QueryFn>("glfwGetProcAddress");
    const Proc address = query != nullptr ? query(name) : nullptr;
    if (address == nullptr) return address;
    if (std::getenv("JAGGO_GL_FAULT") == nullptr && std::strcmp(name, "glGetIntegerv") == 0) {
        real_get_integerv = reinterpret_cast<GetIntegervFn>(address);
        return reinterpret_cast<Proc>(&get_integerv_claiming_8_samples);
    }
    if (fault_is("mirrored") && std::strcmp(name, "glGetMultisamplefv") == 0) {
        real_get_multisample = reinterpret_cast<GetMultisampleFn>(address);
        return reinterpret_cast<Proc>(&get_multisample_mirrored);
    }
    if (fault_is("filtered") && std::strcmp(name, "glBlitFramebuffer") == 0) {
        real_blit = reinterpret_cast<BlitFn>(address);
        return reinterpret_cast<Proc>(&blit_filtered);
    }
    if (fault_is("nocopy") && std::strcmp(name, "glTexImage2DMultisample") == 0) {
        return reinterpret_cast<Proc>(&make_no_texture);
    }
    return address;
}

extern "C" void glfwSwapBuffers(GLFWwindow* window) {
    static const auto swap = real<void (*)(GLFWwindow*)>("glfwSwapBuffers");
    static const auto size = real<void (*)(GLFWwindow*, int*, int*)>("glfwGetFramebufferSize");
    if (fault_is("present") && size != nullptr) {
        int width = 0;
        int height = 0;
        size(window, &width, &height);
        jaggo_shim::smooth_back_buffer(width, height, lookup);
    }
    if (swap != nullptr) swap(window);
}
