// jaggo tests: a driver fault injected into jaggo through glfwGetProcAddress (LD_PRELOAD).
// JAGGO_GL_FAULT=compile makes glCompileShader do nothing; =version makes GL_VERSION null;
// =samples makes glGetIntegerv claim 8 samples whatever the context has; =disable makes glDisable
// do nothing, as a driver that forces anti-aliasing does for GL_MULTISAMPLE; =readback makes
// glReadPixels refuse (it reads nothing and glGetError then reports GL_INVALID_OPERATION);
// =nopixels makes glfwGetFramebufferSize report a framebuffer without pixels, as for a minimised
// window; =closed makes glfwWindowShouldClose say the window was asked to close from the start;
// =objects makes multisampled renderbuffers and textures report 8 samples whatever they draw with.
// =present makes glfwSwapBuffers smooth the frame's edges before it swaps, as a driver's
// post-process at presentation does (tests/tools/present_smoothing.h). =mirrored makes
// GL_SAMPLE_POSITION answer each position mirrored top to bottom; =filtered smooths what a blit from
// a multisampled framebuffer into a single-sampled one writes, as a filtered resolve does; =nocopy
// makes glTexImage2DMultisample do nothing, so that no multisampled texture gets storage.
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "gl_loader/gl.h"
#include "present_smoothing.h"

struct GLFWwindow;

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

glGetRenderbufferParameteriv_proc real_renderbuffer_parameter = nullptr;
glGetTexLevelParameteriv_proc real_texture_parameter = nullptr;

void JAGGO_APIENTRY renderbuffer_claiming_8_samples(GLenum target, GLenum name, GLint* value) {
    real_renderbuffer_parameter(target, name, value);
    if (name == GL_RENDERBUFFER_SAMPLES) *value = 8;
}

void JAGGO_APIENTRY texture_claiming_8_samples(GLenum target, GLint level, GLenum name, GLint* value) {
    real_texture_parameter(target, level, name, value);
    if (name == GL_TEXTURE_SAMPLES) *value = 8;
}

glGetMultisamplefv_proc real_get_multisample = nullptr;

void JAGGO_APIENTRY get_multisample_mirrored(GLenum name, GLuint index, GLfloat* value) {
    real_get_multisample(name, index, value);
    if (name == GL_SAMPLE_POSITION) value[1] = 1.0f - value[1];
}

glBlitFramebuffer_proc real_blit = nullptr;

void JAGGO_APIENTRY blit_filtered(GLint x0, GLint y0, GLint x1, GLint y1, GLint to_x0, GLint to_y0,
                                  GLint to_x1, GLint to_y1, GLbitfield mask, GLenum filter) {
    real_blit(x0, y0, x1, y1, to_x0, to_y0, to_x1, to_y1, mask, filter);
    static const auto query = reinterpret_cast<QueryFn>(dlsym(RTLD_NEXT, "glfwGetProcAddress"));
    jaggo_shim::smooth_resolve(to_x1, to_y1, [](const char* name) { return query(name); });
}

void JAGGO_APIENTRY make_no_texture(GLenum, GLsizei, GLenum, GLsizei, GLsizei, GLboolean) {}

glGetError_proc real_get_error = nullptr;
bool refused_a_read = false;

void JAGGO_APIENTRY read_nothing(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*) {
    refused_a_read = true;
}

GLenum JAGGO_APIENTRY get_error_after_refusal() {
    if (refused_a_read) {
        refused_a_read = false;
        return GL_INVALID_OPERATION;
    }
    return real_get_error();
}

bool fault_is(const char* name) {
    const char* fault = std::getenv("JAGGO_GL_FAULT");
    return fault != nullptr && std::strcmp(fault, name) == 0;
}

template <typename Fn>
Fn next(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

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
    if (std::strcmp(fault, "objects") == 0 && std::strcmp(name, "glGetRenderbufferParameteriv") == 0) {
        real_renderbuffer_parameter = reinterpret_cast<glGetRenderbufferParameteriv_proc>(address);
        return reinterpret_cast<GLProc>(&renderbuffer_claiming_8_samples);
    }
    if (std::strcmp(fault, "objects") == 0 && std::strcmp(name, "glGetTexLevelParameteriv") == 0) {
        real_texture_parameter = reinterpret_cast<glGetTexLevelParameteriv_proc>(address);
        return reinterpret_cast<GLProc>(&texture_claiming_8_samples);
    }
    if (std::strcmp(fault, "mirrored") == 0 && std::strcmp(name, "glGetMultisamplefv") == 0) {
        real_get_multisample = reinterpret_cast<glGetMultisamplefv_proc>(address);
        return reinterpret_cast<GLProc>(&get_multisample_mirrored);
    }
    if (std::strcmp(fault, "filtered") == 0 && std::strcmp(name, "glBlitFramebuffer") == 0) {
        real_blit = reinterpret_cast<glBlitFramebuffer_proc>(address);
        return reinterpret_cast<GLProc>(&blit_filtered);
    }
    if (std::strcmp(fault, "nocopy") == 0 && std::strcmp(name, "glTexImage2DMultisample") == 0) {
        return reinterpret_cast<GLProc>(&make_no_texture);
    }
    if (std::strcmp(fault, "readback") == 0 && std::strcmp(name, "glReadPixels") == 0) {
        return reinterpret_cast<GLProc>(&read_nothing);
    }
    if (std::strcmp(fault, "readback") == 0 && std::strcmp(name, "glGetError") == 0) {
        real_get_error = reinterpret_cast<glGetError_proc>(address);
        return reinterpret_cast<GLProc>(&get_error_after_refusal);
    }
    return address;
}

extern "C" void glfwGetFramebufferSize(GLFWwindow* window, int* width, int* height) {
    static const auto real = next<void (*)(GLFWwindow*, int*, int*)>("glfwGetFramebufferSize");
    real(window, width, height);
    if (fault_is("nopixels")) *width = *height = 0;
}

extern "C" int glfwWindowShouldClose(GLFWwindow* window) {
    static const auto real = next<int (*)(GLFWwindow*)>("glfwWindowShouldClose");
    return fault_is("closed") ? 1 : real(window);  // GLFW_TRUE
}

extern "C" void glfwSwapBuffers(GLFWwindow* window) {
    static const auto real = next<void (*)(GLFWwindow*)>("glfwSwapBuffers");
    if (fault_is("present")) {
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window, &width, &height);
        static const auto query = next<QueryFn>("glfwGetProcAddress");
        jaggo_shim::smooth_back_buffer(width, height, [](const char* name) { return query(name); });
    }
    real(window);
}
