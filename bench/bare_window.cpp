// jaggo benchmarks: the bare baseline for start-up and memory, the least program that shows
// jaggo's first picture: same window and hints, same two shaders, one frame, then it waits.
//
// Like jaggo it links no OpenGL library: its few entry points come from glfwGetProcAddress,
// so both programs load the same libraries the same way. It has no report, no loader table
// and no frame loop. After the one frame it sleeps in glfwWaitEvents until Escape or a close
// request, so that the probe (first_frame) can see the picture and read its memory.
// With -r it redraws and swaps that frame until then, as busy as jaggo's loop.
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using GLenum = unsigned int;
using GLuint = unsigned int;
using GLint = int;
using GLsizei = int;
using GLfloat = float;
using GLchar = char;
using GLboolean = unsigned char;
using GLbitfield = unsigned int;
using GLsizeiptr = std::ptrdiff_t;

constexpr GLenum GL_VERTEX_SHADER = 0x8B31;
constexpr GLenum GL_FRAGMENT_SHADER = 0x8B30;
constexpr GLenum GL_ARRAY_BUFFER = 0x8892;
constexpr GLenum GL_STATIC_DRAW = 0x88E4;
constexpr GLenum GL_FLOAT = 0x1406;
constexpr GLenum GL_TRIANGLE_FAN = 0x0006;
constexpr GLenum GL_MULTISAMPLE = 0x809D;
constexpr GLbitfield GL_COLOR_BUFFER_BIT = 0x4000;

// The entry points the one frame needs, each looked up by name.
#define BARE_GL_FUNCTIONS(X)                                                               \
    X(GLuint, CreateShader, (GLenum))                                                      \
    X(void, ShaderSource, (GLuint, GLsizei, const GLchar* const*, const GLint*))           \
    X(void, CompileShader, (GLuint))                                                       \
    X(GLuint, CreateProgram, ())                                                           \
    X(void, AttachShader, (GLuint, GLuint))                                                \
    X(void, LinkProgram, (GLuint))                                                         \
    X(void, UseProgram, (GLuint))                                                          \
    X(GLint, GetUniformLocation, (GLuint, const GLchar*))                                  \
    X(GLint, GetAttribLocation, (GLuint, const GLchar*))                                   \
    X(void, GenBuffers, (GLsizei, GLuint*))                                                \
    X(void, BindBuffer, (GLenum, GLuint))                                                  \
    X(void, BufferData, (GLenum, GLsizeiptr, const void*, GLenum))                         \
    X(void, EnableVertexAttribArray, (GLuint))                                             \
    X(void, VertexAttribPointer, (GLuint, GLint, GLenum, GLboolean, GLsizei, const void*)) \
    X(void, UniformMatrix4fv, (GLint, GLsizei, GLboolean, const GLfloat*))                 \
    X(void, Viewport, (GLint, GLint, GLsizei, GLsizei))                                    \
    X(void, Clear, (GLbitfield))                                                           \
    X(void, Enable, (GLenum))                                                              \
    X(void, Disable, (GLenum))                                                             \
    X(void, DrawArrays, (GLenum, GLint, GLsizei))

#define BARE_GL_DECLARE(ret, name, params) ret(*gl##name) params = nullptr;
BARE_GL_FUNCTIONS(BARE_GL_DECLARE)
#undef BARE_GL_DECLARE

constexpr GLfloat square[4][2] = {{-0.6f, -0.6f}, {0.6f, -0.6f}, {0.6f, 0.6f}, {-0.6f, 0.6f}};

// The same shader texts as jaggo's scene.
const GLchar* const vertex_shader_text =
    "#version 110\n"
    "uniform mat4 MVP;\n"
    "attribute vec2 vPos;\n"
    "void main()\n"
    "{\n"
    "    gl_Position = MVP * vec4(vPos, 0.0, 1.0);\n"
    "}\n";

const GLchar* const fragment_shader_text =
    "#version 110\n"
    "void main()\n"
    "{\n"
    "    gl_FragColor = vec4(1.0);\n"
    "}\n";

GLuint compile(GLenum type, const GLchar* text) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    return shader;
}

void key_callback(GLFWwindow* window, int key, int, int action, int) {
    if (key == GLFW_KEY_ESCAPE && action == GLFW_PRESS) glfwSetWindowShouldClose(window, GLFW_TRUE);
}

}  // namespace

int main(int argc, char** argv) {
    const bool redraw = argc > 1 && argv[1][0] == '-' && argv[1][1] == 'r';
    if (!glfwInit()) return 1;
    glfwWindowHint(GLFW_SAMPLES, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(800, 400, "Jaggoscope", nullptr, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        return 1;
    }
    glfwSetKeyCallback(window, key_callback);
    glfwMakeContextCurrent(window);
#define BARE_GL_LOAD(ret, name, params) \
    gl##name = reinterpret_cast<ret(*) params>(glfwGetProcAddress("gl" #name));
    BARE_GL_FUNCTIONS(BARE_GL_LOAD)
#undef BARE_GL_LOAD
    glfwSwapInterval(1);

    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(square)), square, GL_STATIC_DRAW);
    const GLuint program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER, vertex_shader_text));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER, fragment_shader_text));
    glLinkProgram(program);
    const GLint mvp = glGetUniformLocation(program, "MVP");
    const GLuint vpos = static_cast<GLuint>(glGetAttribLocation(program, "vPos"));
    glEnableVertexAttribArray(vpos);
    glVertexAttribPointer(vpos, 2, GL_FLOAT, 0, static_cast<GLsizei>(sizeof(square[0])), nullptr);

    // jaggo's first frame, unturned: an orthographic view 4 wide and 2 high,
    // the squares moved to x = -1 and x = 1, the right one multisampled.
    const auto draw = [&]() {
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window, &width, &height);
        const GLfloat ratio = static_cast<GLfloat>(width) / static_cast<GLfloat>(height);
        glViewport(0, 0, width, height);
        glClear(GL_COLOR_BUFFER_BIT);
        glUseProgram(program);
        for (int side = 0; side < 2; ++side) {
            const GLfloat x = side == 0 ? -1.0f : 1.0f;
            // Column-major: scale x by 1/ratio, keep y, flip z for the 0..1 depth range, move by x.
            const GLfloat mvp_matrix[16] = {1.0f / ratio, 0, 0,         0, 0,  1, 0, 0, 0, 0,
                                            -2,           0, x / ratio, 0, -1, 1};
            glUniformMatrix4fv(mvp, 1, 0, mvp_matrix);
            if (side == 1) {
                glEnable(GL_MULTISAMPLE);
            } else {
                glDisable(GL_MULTISAMPLE);
            }
            glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
        }
        glfwSwapBuffers(window);
    };
    draw();

    while (!glfwWindowShouldClose(window)) {
        if (redraw) {
            draw();
            glfwPollEvents();
        } else {
            glfwWaitEvents();
        }
    }
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
