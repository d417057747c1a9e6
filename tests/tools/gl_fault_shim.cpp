// jaggo tests: a driver fault injected into jaggo through glfwGetProcAddress (LD_PRELOAD).
// JAGGO_GL_FAULT=compile makes glCompileShader do nothing; =version makes GL_VERSION null;
// =samples makes glGetIntegerv claim 8 samples whatever the context has; =disable makes glDisable
// do nothing, as a driver that forces anti-aliasing does for GL_MULTISAMPLE; =readback makes
// glReadPixels refuse (it reads nothing and glGetError then reports GL_INVALID_OPERATION);
// =nopixels makes glfwGetFramebufferSize report a framebuffer without pixels, as for a minimised
// window; =closed makes glfwWindowShouldClose say the window was asked to close from the start;
// =objects makes multisampled renderbuffers and textures report 8 samples whatever they draw with.
// =laterreadback makes the first glReadPixels read a black picture, which is not the scene whole,
// and every later one refuse, as a driver that fails a frame after the first does.
// =present makes glfwSwapBuffers smooth the frame's edges before it swaps, as a driver's
// post-process at presentation does (tests/tools/present_smoothing.h).
// =rgb565 makes the context a 16-bit one: GL_RED_BITS, GL_GREEN_BITS and GL_BLUE_BITS answer 5, 6
// and 5, and glReadPixels hands back each channel rounded to those bits and shifted up to 8 (white
// reads 248/252/248), as an honest driver with such a framebuffer may. It is a window's fault: an
// offscreen object's picture, read through glReadPixels too, would be rounded alike.
// =shortgrant makes every multisampled renderbuffer single-sampled whatever it asks for, as a driver
// that quietly grants fewer samples than asked does; the renderbuffer then reports what it has.
// =resolve makes glRenderbufferStorage (single-sampled storage, which only the resolve of a picture
// makes) report GL_OUT_OF_MEMORY after it has made the storage, as a driver short of memory may.
// =mirrored makes GL_SAMPLE_POSITION answer each position mirrored top to bottom; =filtered smooths
// what a blit from a multisampled framebuffer into a single-sampled one writes, as a filtered
// resolve does; =nocopy makes glTexImage2DMultisample do nothing, so that no multisampled texture
// gets storage.
// =lined_up makes every draw with GL_MULTISAMPLE on leave the frame as an honest driver with 4
// samples gives it whose samples line up in pairs along the squares' edges at 30 degrees, the
// judged frame's angle: there its right square shows the level of 2 samples alone. Its samples
// cannot be read one by one (no multisampled texture gets storage, as with =nocopy), so that the
// verdict rests on the grey levels.
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
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

int reads = 0;

void JAGGO_APIENTRY read_black_then_nothing(GLint, GLint, GLsizei width, GLsizei height, GLenum, GLenum,
                                            void* pixels) {
    if (reads++ == 0) {
        std::memset(pixels, 0, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    } else {
        refused_a_read = true;
    }
}

GLenum JAGGO_APIENTRY get_error_after_refusal() {
    if (refused_a_read) {
        refused_a_read = false;
        return GL_INVALID_OPERATION;
    }
    return real_get_error();
}

// A 16-bit framebuffer: its channels' bits, and its picture as read back at 8 bits a channel.
constexpr int rgb565_bits[3] = {5, 6, 5};
glGetIntegerv_proc real_get_integerv_565 = nullptr;
glReadPixels_proc real_read_pixels_565 = nullptr;

void JAGGO_APIENTRY get_integerv_of_565(GLenum name, GLint* data) {
    real_get_integerv_565(name, data);
    if (name == GL_RED_BITS) *data = rgb565_bits[0];
    if (name == GL_GREEN_BITS) *data = rgb565_bits[1];
    if (name == GL_BLUE_BITS) *data = rgb565_bits[2];
}

void JAGGO_APIENTRY read_pixels_of_565(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                                       GLenum type, void* pixels) {
    real_read_pixels_565(x, y, width, height, format, type, pixels);
    if (format != GL_RGBA || type != GL_UNSIGNED_BYTE || width <= 0 || height <= 0) return;
    auto* p = static_cast<GLubyte*>(pixels);
    for (long i = 0; i < static_cast<long>(width) * height; ++i, p += 4) {
        for (int c = 0; c < 3; ++c) {
            const int top = (1 << rgb565_bits[c]) - 1;
            p[c] = static_cast<GLubyte>(((p[c] * top + 127) / 255) << (8 - rgb565_bits[c]));
        }
    }
}

glRenderbufferStorageMultisample_proc real_renderbuffer_storage = nullptr;

void JAGGO_APIENTRY renderbuffer_storage_single_sampled(GLenum target, GLsizei, GLenum format, GLsizei width,
                                                        GLsizei height) {
    real_renderbuffer_storage(target, 0, format, width, height);
}

glRenderbufferStorage_proc real_plain_storage = nullptr;
bool storage_refused = false;

void JAGGO_APIENTRY plain_storage_out_of_memory(GLenum target, GLenum format, GLsizei width, GLsizei height) {
    real_plain_storage(target, format, width, height);
    storage_refused = true;
}

GLenum JAGGO_APIENTRY get_error_after_storage() {
    if (storage_refused) {
        storage_refused = false;
        return GL_OUT_OF_MEMORY;
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
    if (std::strcmp(fault, "shortgrant") == 0 && std::strcmp(name, "glRenderbufferStorageMultisample") == 0) {
        real_renderbuffer_storage = reinterpret_cast<glRenderbufferStorageMultisample_proc>(address);
        return reinterpret_cast<GLProc>(&renderbuffer_storage_single_sampled);
    }
    if (std::strcmp(fault, "resolve") == 0 && std::strcmp(name, "glRenderbufferStorage") == 0) {
        real_plain_storage = reinterpret_cast<glRenderbufferStorage_proc>(address);
        return reinterpret_cast<GLProc>(&plain_storage_out_of_memory);
    }
    if (std::strcmp(fault, "resolve") == 0 && std::strcmp(name, "glGetError") == 0) {
        real_get_error = reinterpret_cast<glGetError_proc>(address);
        return reinterpret_cast<GLProc>(&get_error_after_storage);
    }
    if (std::strcmp(fault, "mirrored") == 0 && std::strcmp(name, "glGetMultisamplefv") == 0) {
        real_get_multisample = reinterpret_cast<glGetMultisamplefv_proc>(address);
        return reinterpret_cast<GLProc>(&get_multisample_mirrored);
    }
    if (std::strcmp(fault, "filtered") == 0 && std::strcmp(name, "glBlitFramebuffer") == 0) {
        real_blit = reinterpret_cast<glBlitFramebuffer_proc>(address);
        return reinterpret_cast<GLProc>(&blit_filtered);
    }
    if ((std::strcmp(fault, "nocopy") == 0 || std::strcmp(fault, "lined_up") == 0) &&
        std::strcmp(name, "glTexImage2DMultisample") == 0) {
        return reinterpret_cast<GLProc>(&make_no_texture);
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
    if (std::strcmp(fault, "laterreadback") == 0 && std::strcmp(name, "glReadPixels") == 0) {
        return reinterpret_cast<GLProc>(&read_black_then_nothing);
    }
    if ((std::strcmp(fault, "readback") == 0 || std::strcmp(fault, "laterreadback") == 0) &&
        std::strcmp(name, "glGetError") == 0) {
        real_get_error = reinterpret_cast<glGetError_proc>(address);
        return reinterpret_cast<GLProc>(&get_error_after_refusal);
    }
    if (std::strcmp(fault, "rgb565") == 0 && std::strcmp(name, "glGetIntegerv") == 0) {
        real_get_integerv_565 = reinterpret_cast<glGetIntegerv_proc>(address);
        return reinterpret_cast<GLProc>(&get_integerv_of_565);
    }
    if (std::strcmp(fault, "rgb565") == 0 && std::strcmp(name, "glReadPixels") == 0) {
        real_read_pixels_565 = reinterpret_cast<glReadPixels_proc>(address);
        return reinterpret_cast<GLProc>(&read_pixels_of_565);
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
