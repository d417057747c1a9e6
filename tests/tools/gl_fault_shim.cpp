// jaggo tests: a driver fault injected into jaggo through glfwGetProcAddress (LD_PRELOAD).
// JAGGO_GL_FAULT=compile makes glCompileShader do nothing; =version makes GL_VERSION null;
// =samples makes glGetIntegerv claim 8 samples whatever the context has; =disable makes glDisable
// do nothing, as a driver that forces anti-aliasing does for GL_MULTISAMPLE; =readback makes
// glReadPixels refuse (it reads nothing and glGetError then reports GL_INVALID_OPERATION);
// =nopixels makes glfwGetFramebufferSize report a framebuffer without pixels, as for a minimised
// window; =closed makes glfwWindowShouldClose say the window was asked to close from the start;
// =objects makes multisampled renderbuffers and textures report 8 samples whatever they draw with.
// =present makes glfwSwapBuffers smooth the frame's edges before it swaps, as a driver's
// post-process at presentation does (tests/tools/present_smoothing.h).
// =lined_up makes every draw with GL_MULTISAMPLE on leave the frame as an honest driver with 4
// samples gives it whose samples line up in pairs along the squares' edges at 30 degrees, the
// judged frame's angle: there its right square shows the level of 2 samples alone.
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/scene_layout.h"
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

glDrawArrays_proc real_draw_arrays = nullptr;
glUniformMatrix4fv_proc real_uniform_matrix = nullptr;
float last_matrix[16] = {};

void JAGGO_APIENTRY keep_matrix(GLint location, GLsizei count, GLboolean transpose, const GLfloat* value) {
    std::memcpy(last_matrix, value, sizeof last_matrix);
    real_uniform_matrix(location, count, transpose, value);
}

// The scene's squares at the angle of the last matrix set, the left with one sample at each pixel's
// centre, the right with 4 on a square turned 30 degrees, resolved and drawn over the viewport.
void JAGGO_APIENTRY draw_lined_up(GLenum mode, GLint first, GLsizei count) {
    real_draw_arrays(mode, first, count);
    static const auto query = reinterpret_cast<QueryFn>(dlsym(RTLD_NEXT, "glfwGetProcAddress"));
    const auto is_enabled = reinterpret_cast<GLboolean(JAGGO_APIENTRY*)(GLenum)>(query("glIsEnabled"));
    if (is_enabled == nullptr || is_enabled(GL_MULTISAMPLE) == GL_FALSE) return;
    GLint viewport[4] = {};
    reinterpret_cast<glGetIntegerv_proc>(query("glGetIntegerv"))(GL_VIEWPORT, viewport);
    const int width = viewport[2], height = viewport[3];
    if (width <= 0 || height <= 0) return;
    const double pi = 3.141592653589793;
    const double angle = std::atan2(last_matrix[1], last_matrix[0] * width / height);
    const double c = std::cos(angle), s = std::sin(angle);
    const double half = jaggo::scene::square_half_side * height / 2.0;
    const double offset = jaggo::scene::square_offset * height / 2.0;
    double samples[4][2];
    for (int k = 0; k < 4; ++k) {
        const double at = (30.0 + 45.0 + 90.0 * k) * pi / 180.0;
        samples[k][0] = 0.3 * std::cos(at), samples[k][1] = 0.3 * std::sin(at);
    }
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const double dx = x + 0.5 - (width / 2.0 + (right ? offset : -offset)),
                         dy = y + 0.5 - height / 2.0;
            const auto inside = [&](double px, double py) {
                return std::max(std::fabs(px * c + py * s), std::fabs(py * c - px * s)) <= half;
            };
            int covered = 0;
            for (const auto& sample : samples)
                covered += inside(dx + (right ? sample[0] : 0), dy + (right ? sample[1] : 0));
            const auto v = static_cast<std::uint8_t>(std::lround(63.75 * covered));
            std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(x)) *
                                      4];
            p[0] = p[1] = p[2] = v;
            p[3] = 255;
        }
    }
    GLint program = 0;
    reinterpret_cast<glGetIntegerv_proc>(query("glGetIntegerv"))(GL_CURRENT_PROGRAM, &program);
    reinterpret_cast<glUseProgram_proc>(query("glUseProgram"))(0);
    reinterpret_cast<jaggo_shim::WindowPos2iFn>(query("glWindowPos2i"))(viewport[0], viewport[1]);
    reinterpret_cast<jaggo_shim::DrawPixelsFn>(query("glDrawPixels"))(width, height, GL_RGBA,
                                                                      GL_UNSIGNED_BYTE, pixels.data());
    reinterpret_cast<glUseProgram_proc>(query("glUseProgram"))(static_cast<GLuint>(program));
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
    if (std::strcmp(fault, "lined_up") == 0 && std::strcmp(name, "glDrawArrays") == 0) {
        real_draw_arrays = reinterpret_cast<glDrawArrays_proc>(address);
        return reinterpret_cast<GLProc>(&draw_lined_up);
    }
    if (std::strcmp(fault, "lined_up") == 0 && std::strcmp(name, "glUniformMatrix4fv") == 0) {
        real_uniform_matrix = reinterpret_cast<glUniformMatrix4fv_proc>(address);
        return reinterpret_cast<GLProc>(&keep_matrix);
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
