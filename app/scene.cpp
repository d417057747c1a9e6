// jaggo app: builds the square's buffer and shader program, and draws the two
// squares each frame, the left without and the right with multisampling.
#include "app/scene.h"

#include <GLFW/glfw3.h>

#include "gl_loader/gl.h"
#include "matrix/mat4.h"

namespace jaggo {

using namespace gl;

namespace {

// A square of side 1.2 about the origin, drawn as a triangle fan.
constexpr GLfloat square[4][2] = {{-0.6f, -0.6f}, {0.6f, -0.6f}, {0.6f, 0.6f}, {-0.6f, 0.6f}};
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

GLuint compile_shader(GLenum type, const GLchar* text) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    return shader;
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

void build_scene() {
    glGenBuffers(1, &vertex_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(square)), square, GL_STATIC_DRAW);

    vertex_shader = compile_shader(GL_VERTEX_SHADER, vertex_shader_text);
    fragment_shader = compile_shader(GL_FRAGMENT_SHADER, fragment_shader_text);

    program = glCreateProgram();
    glAttachShader(program, vertex_shader);
    glAttachShader(program, fragment_shader);
    glLinkProgram(program);

    mvp_location = glGetUniformLocation(program, "MVP");
    vpos_location = glGetAttribLocation(program, "vPos");

    // A failed link gives -1, which GL then rejects as an index like any other.
    glEnableVertexAttribArray(static_cast<GLuint>(vpos_location));
    glVertexAttribPointer(static_cast<GLuint>(vpos_location), 2, GL_FLOAT, GL_FALSE,
                          static_cast<GLsizei>(sizeof(square[0])), nullptr);
}

void draw_frame(GLFWwindow* window) {
    // The clock's seconds read as degrees: one degree per second.
    const double angle = glfwGetTime() * 3.141592653589793 / 180.0;
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    // Not finite for a zero-height (minimised) framebuffer; drawn regardless.
    const float ratio = static_cast<float>(width) / static_cast<float>(height);

    glViewport(0, 0, width, height);
    glClear(GL_COLOR_BUFFER_BIT);
    glUseProgram(program);

    mat4 p;
    mat4_ortho(p, -ratio, ratio, -1.0f, 1.0f, 0.0f, 1.0f);
    draw_square(p, -1.0f, static_cast<float>(angle), false);
    draw_square(p, 1.0f, static_cast<float>(angle), true);
}

}  // namespace jaggo
