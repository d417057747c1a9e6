// jaggo app: the list of entry points the report and the scene cannot do without.
// A context below 2.0 or a broken driver leaves some of them unresolved.
#include "app/required_gl.h"

#include "gl_loader/gl.h"

namespace jaggo {

#define JAGGO_REQUIRED_GL(X)     \
    X(glGetString)               \
    X(glGetIntegerv)             \
    X(glViewport)                \
    X(glClear)                   \
    X(glEnable)                  \
    X(glDisable)                 \
    X(glDrawArrays)              \
    X(glGenBuffers)              \
    X(glBindBuffer)              \
    X(glBufferData)              \
    X(glCreateShader)            \
    X(glShaderSource)            \
    X(glCompileShader)           \
    X(glCreateProgram)           \
    X(glAttachShader)            \
    X(glLinkProgram)             \
    X(glGetUniformLocation)      \
    X(glGetAttribLocation)       \
    X(glEnableVertexAttribArray) \
    X(glVertexAttribPointer)     \
    X(glUseProgram)              \
    X(glUniformMatrix4fv)

const char* first_missing_entry_point() {
#define JAGGO_RETURN_IF_MISSING(name) \
    if (gl::name == nullptr) return #name;
    JAGGO_REQUIRED_GL(JAGGO_RETURN_IF_MISSING)
#undef JAGGO_RETURN_IF_MISSING
    return nullptr;
}

#undef JAGGO_REQUIRED_GL

}  // namespace jaggo
