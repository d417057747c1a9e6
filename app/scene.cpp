// jaggo app: builds the square's buffer and shader program, and draws the two
// squares each frame, the left without and the right with multisampling.
#include "app/scene.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstring>

#include "app/callbacks.h"
#include "app/scene_layout.h"
#include "gl_loader/gl.h"
#include "matrix/mat4.h"

namespace jaggo {

using namespace gl;

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A square about the origin, drawn as a triangle fan.
constexpr GLfloat half = scene::square_half_side;
constexpr GLfloat square[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
static_assert(sizeof(square) == 32, "four vertices of two floats");

constexpr const GLchar* vertex_shader_text =
    "#version 110\n"
    "uniform mat4 MVP;\n"
    "attribute vec2 vPos;\n"
    "void main()\n"
    "{\n"
    "    gl_Position = MVP * vec4(vPos, 0.0, 1.0);\n"
    "}\n";

constexpr const GLchar* fragment_shader_text =
    "#version 110\n"
    "void main()\n"
    "{\n"
    "    gl_FragColor = vec4(1.0);\n"
    "}\n";

GLuint vertex_buffer = 0;
GLuint vertex_shader = 0;
GLuint fragment_shader = 0;
GLuint program = 0;
GLint mvp_location = -1;
GLint vpos_location = -1;

// The driver's log is cut at this many bytes, so a runaway log cannot flood the console.
constexpr GLsizei log_capacity = 2048;

using GetLogFn = glGetShaderInfoLog_proc;  // glGetProgramInfoLog has the same shape

// Prints "Error: <what>" and the driver's info log for the object on standard
// error, trimmed of surrounding white space. The log is read into a zeroed
// buffer and cut at the length the driver says it wrote, clamped to the
// buffer: a driver that writes nothing, leaves the log unterminated or
// misreports its length still gives a terminated, bounded string.
void print_failure(const char* what, GLuint object, GetLogFn get_log) {
    GLchar log[log_capacity] = {};
    GLsizei length = 0;
    get_log(object, log_capacity, &length, log);
    if (length < 0 || length >= log_capacity) length = log_capacity - 1;
    log[length] = '\0';
    const char* begin = log;
    while (*begin != '\0' && is_space(*begin)) ++begin;
    const char* end = begin + std::strlen(begin);
    while (end > begin && is_space(end[-1])) --end;
    char text[log_capacity + 128];
    if (end == begin) {
        std::snprintf(text, sizeof text, "%s (the driver gave no log)", what);
    } else {
        std::snprintf(text, sizeof text, "%s: %.*s", what, static_cast<int>(end - begin), begin);
    }
    report_error(text);
}

// Compiles one shader; on failure says so with the driver's log and returns false.
bool compile_shader(GLuint* shader, GLenum type, const GLchar* text, const char* failure) {
    *shader = glCreateShader(type);
    glShaderSource(*shader, 1, &text, nullptr);
    glCompileShader(*shader);
    GLint status = GL_FALSE;
    glGetShaderiv(*shader, GL_COMPILE_STATUS, &status);
    if (status == GL_FALSE) print_failure(failure, *shader, glGetShaderInfoLog);
    return status != GL_FALSE;
}

// Turns the square by angle about its own centre, moves it to x, and draws it
// with multisampling on or off.
void draw_square(const mat4 p, float x, float angle, bool multisample) {
    mat4 m;
    mat4 mvp;
    mat4_translation(m, x, 0.0f, 0.0f);
    mat4_rotate_z(m, m, angle);
    mat4_multiply(mvp, p, m);
    glUniformMatrix4fv(mvp_location, 1, GL_FALSE, &mvp[0][0]);
    if (multisample) {
        glEnable(GL_MULTISAMPLE);
    } else {
        glDisable(GL_MULTISAMPLE);
    }
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
}

}  // namespace

bool build_scene() {
    glGenBuffers(1, &vertex_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(square)), square, GL_STATIC_DRAW);

    // Both shaders are compiled and the program linked even after a failure,
    // so every stage the driver rejects is named, each with its own log.
    bool built = compile_shader(&vertex_shader, GL_VERTEX_SHADER, vertex_shader_text,
                                "OpenGL vertex shader did not compile");
    built = compile_shader(&fragment_shader, GL_FRAGMENT_SHADER, fragment_shader_text,
                           "OpenGL fragment shader did not compile") &&
            built;

    program = glCreateProgram();
    glAttachShader(program, vertex_shader);
    glAttachShader(program, fragment_shader);
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == GL_FALSE) {
        print_failure("OpenGL shader program did not link", program, glGetProgramInfoLog);
        return false;
    }
    if (!built) return false;

    // A linked program that lacks either name is as broken as one that failed.
    mvp_location = glGetUniformLocation(program, "MVP");
    vpos_location = glGetAttribLocation(program, "vPos");
    if (mvp_location < 0 || vpos_location < 0) {
        report_error(mvp_location < 0 ? "OpenGL shader program has no uniform MVP"
                                      : "OpenGL shader program has no attribute vPos");
        return false;
    }

    glEnableVertexAttribArray(static_cast<GLuint>(vpos_location));
    glVertexAttribPointer(static_cast<GLuint>(vpos_location), 2, GL_FLOAT, GL_FALSE,
                          static_cast<GLsizei>(sizeof(square[0])), nullptr);
    return true;
}

void draw_frame(GLFWwindow* window) {
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    draw_scene(width, height, glfwGetTime());
}

void draw_scene(int width, int height, double seconds) {
    // A minimised window has no pixels to draw, and its projection would divide by zero.
    if (width <= 0 || height <= 0) return;
    // The clock's seconds read as degrees.
    const double angle = seconds * scene::degrees_per_second * 3.141592653589793 / 180.0;
    const float ratio = static_cast<float>(width) / static_cast<float>(height);

    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT);
    glUseProgram(program);

    mat4 p;
    mat4_ortho(p, -ratio, ratio, -1.0f, 1.0f, 0.0f, 1.0f);
    draw_square(p, -scene::square_offset, static_cast<float>(angle), false);
    draw_square(p, scene::square_offset, static_cast<float>(angle), true);
}

}  // namespace jaggo
