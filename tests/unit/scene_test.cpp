// jaggo tests: the scene against a fake driver: a rejected set-up's log printed bounded and
// terminated, a program without its names, and a framebuffer without pixels left undrawn.
#include "app/scene.h"
#include "gl_loader/gl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace {

using namespace jaggo::gl;

GLint compiles;       // GL_COMPILE_STATUS of every shader
GLint uniform_found;  // what glGetUniformLocation answers

void JAGGO_APIENTRY no_names(GLsizei, GLuint*) {}
void JAGGO_APIENTRY no_bind(GLenum, GLuint) {}
void JAGGO_APIENTRY no_data(GLenum, GLsizeiptr, const void*, GLenum) {}
GLuint JAGGO_APIENTRY new_shader(GLenum) {
    return 1;
}
void JAGGO_APIENTRY no_source(GLuint, GLsizei, const GLchar* const*, const GLint*) {}
void JAGGO_APIENTRY no_op(GLuint) {}
void JAGGO_APIENTRY no_attach(GLuint, GLuint) {}
GLuint JAGGO_APIENTRY new_program() {
    return 2;
}
void JAGGO_APIENTRY shader_status(GLuint, GLenum, GLint* status) {
    *status = compiles;
}
void JAGGO_APIENTRY linked(GLuint, GLenum, GLint* status) {
    *status = GL_TRUE;
}
GLint JAGGO_APIENTRY uniform(GLuint, const GLchar*) {
    return uniform_found;
}
GLint JAGGO_APIENTRY attribute(GLuint, const GLchar*) {
    return 0;
}
void JAGGO_APIENTRY no_pointer(GLuint, GLint, GLenum, GLboolean, GLsizei, const void*) {}

int draws;  // glDrawArrays calls
float first_matrix_element;
void JAGGO_APIENTRY no_viewport(GLint, GLint, GLsizei, GLsizei) {}
void JAGGO_APIENTRY no_clear(GLbitfield) {}
void JAGGO_APIENTRY no_capability(GLenum) {}
void JAGGO_APIENTRY keep_matrix(GLint, GLsizei, GLboolean, const GLfloat* matrix) {
    first_matrix_element = matrix[0];
}
void JAGGO_APIENTRY count_draw(GLenum, GLint, GLsizei) {
    ++draws;
}

// Fills the whole buffer, leaves no terminating NUL and misreports the length.
void JAGGO_APIENTRY runaway_log(GLuint, GLsizei size, GLsizei* length, GLchar* log) {
    std::memset(log, 'x', static_cast<std::size_t>(size));
    log[0] = ' ';
    *length = size + 100;
}

class Scene : public testing::Test {
protected:
    void SetUp() override {
        compiles = GL_TRUE;
        uniform_found = 0;
        glGenBuffers = no_names;
        glBindBuffer = no_bind;
        glBufferData = no_data;
        glCreateShader = new_shader;
        glShaderSource = no_source;
        glCompileShader = no_op;
        glGetShaderiv = shader_status;
        glGetShaderInfoLog = runaway_log;
        glCreateProgram = new_program;
        glAttachShader = no_attach;
        glLinkProgram = no_op;
        glGetProgramiv = linked;
        glGetUniformLocation = uniform;
        glGetAttribLocation = attribute;
        glEnableVertexAttribArray = no_op;
        glVertexAttribPointer = no_pointer;
    }
    static std::string errors_of_build(bool expected) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(jaggo::build_scene(), expected);
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(Scene, RejectedShadersPrintTheirLogBoundedAndTerminated) {
    compiles = GL_FALSE;
    const std::string log(2046, 'x');  // 2047 bytes kept, the leading blank trimmed
    EXPECT_EQ(errors_of_build(false), "Error: OpenGL vertex shader did not compile: " + log +
                                          "\nError: OpenGL fragment shader did not compile: " + log + "\n");
}

TEST_F(Scene, ProgramWithoutItsUniformIsAFailure) {
    uniform_found = -1;
    EXPECT_EQ(errors_of_build(false), "Error: OpenGL shader program has no uniform MVP\n");
    uniform_found = 0;
    EXPECT_EQ(errors_of_build(true), "");
}

TEST_F(Scene, FramebufferWithoutPixelsIsNotDrawn) {
    glViewport = no_viewport;
    glClear = no_clear;
    glUseProgram = no_op;
    glUniformMatrix4fv = keep_matrix;
    glEnable = glDisable = no_capability;
    glDrawArrays = count_draw;
    draws = 0;
    for (const auto& size : {std::make_pair(0, 0), std::make_pair(800, 0), std::make_pair(0, 400)}) {
        jaggo::draw_scene(size.first, size.second, 10.0);
    }
    EXPECT_EQ(draws, 0);
    // Drawing resumes with the size: both squares, with a finite projection.
    jaggo::draw_scene(800, 400, 10.0);
    EXPECT_EQ(draws, 2);
    EXPECT_TRUE(std::isfinite(first_matrix_element));
}

}  // namespace
