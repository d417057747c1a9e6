// jaggo tests: a driver that claims 8 samples, for a Windows program, which no LD_PRELOAD reaches.
// Built as a glfw3.dll that stands beside the program in place of GLFW's, renamed glfwreal.dll
// there: every other GLFW function is forwarded to it by the export table (tests/windows.cmake
// writes that from the real DLL's exports); glfwGetProcAddress is this one, which hands out a
// glGetIntegerv whose GL_SAMPLES is 8 whatever the pixel format has.
#include <windows.h>

#include <cstring>

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

}  // namespace

extern "C" Proc glfwGetProcAddress(const char* name) {
    static const auto real = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("glfwreal.dll"), "glfwGetProcAddress")));
    const Proc address = real != nullptr ? real(name) : nullptr;
    if (address == nullptr || std::strcmp(name, "glGetIntegerv") != 0) return address;
    real_get_integerv = reinterpret_cast<GetIntegervFn>(address);
    return reinterpret_cast<Proc>(&get_integerv_claiming_8_samples);
}
