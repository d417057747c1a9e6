// jaggo tests: a driver fault injected into jaggo through glfwGetProcAddress (LD_PRELOAD).
// JAGGO_GL_FAULT=compile makes glCompileShader do nothing; =version makes GL_VERSION null;
// =samples makes glGetIntegerv claim 8 samples whatever the context has; =disable makes glDisable
// do nothing, as a driver that forces anti-aliasing does for GL_MULTISAMPLE.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "gl_loader/gl.h"

namespace {

using namespace jaggo::gl;
using QueryFn = GLProc (*)(const char*);

glGetString_proc real_get_string = nullptr;
glGetIntegerv_proc real_get_integerv = nullptr;

void JAGGO_APIENTRY compile_nothing(GLuint) {}

const GLubyte* JAGGO_APIENTRY get_string_without_version(GLenum name) {
    return name == GL_VERSION ? nullptr : real_get_string(name);
}

void JAGGO_APIENTRY get_integerv_claiming_8_samples(GLenum name, GLint* data) {
    real_get_integerv(name, data);
    if (name == GL_SAMPLES) *data = 8;
}

void JAGGO_APIENTRY disable_nothing(GLenum) {}

}  // namespace

// Stands in front of GLFW's own: hands out the faulty entry point for the
// name the fault names and GLFW's answer for every other.
extern "C" GLProc glfwGetProcAddress(const char* name) {
    static const auto real = reinterpret_cast<QueryFn>(dlsym(RTLD_NEXT, "glfwGetProcAddress"));
    const char* fault = std::getenv("JAGGO_GL_FAULT");
    const GLProc address = real != nullptr ? real(name) : nullptr;
    if (fault == nullptr || address == nullptr) return address;
    if (std::strcmp(fault, "compile") == 0 && std::strcmp(name, "glCompileShader") == 0) {
        return reinterpret_cast<GLProc>(&compile_nothing);
    }
    if (std::strcmp(fault, "version") == 0 && std::strcmp(name, "glGetString") == 0) {
        real_get_string = reinterpret_cast<glGetString_proc>(address);
        return reinterpret_cast<GLProc>(&get_string_without_version);
    }
    if (std::strcmp(fault, "samples") == 0 && std::strcmp(name, "glGetIntegerv") == 0) {
        real_get_integerv = reinterpret_cast<glGetIntegerv_proc>(address);
        return reinterpret_cast<GLProc>(&get_integerv_claiming_8_samples);
    }
    if (std::strcmp(fault, "disable") == 0 && std::strcmp(name, "glDisable") == 0) {
        return reinterpret_cast<GLProc>(&disable_nothing);
    }
    return address;
}
