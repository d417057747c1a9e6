// jaggo app: the one list of entry points the scene and the report call, and the check
// that each is loaded. The window's start-up (app/start.h) runs it after loading, for both
// programs, and stops on a missing one.
#pragma once

// Every entry point the report and the scene call unconditionally, as an
// X-macro list. The start-up check below, the tests and the check that app/
// calls nothing else (tests/tools/check_gl_calls.py) all read this one list.
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
    X(glGetShaderiv)             \
    X(glGetShaderInfoLog)        \
    X(glCreateProgram)           \
    X(glAttachShader)            \
    X(glLinkProgram)             \
    X(glGetProgramiv)            \
    X(glGetProgramInfoLog)       \
    X(glGetUniformLocation)      \
    X(glGetAttribLocation)       \
    X(glEnableVertexAttribArray) \
    X(glVertexAttribPointer)     \
    X(glUseProgram)              \
    X(glUniformMatrix4fv)

// Entry points called only after checking they are there: the report reads
// a pre-3.0 context's extensions from its single string instead.
#define JAGGO_OPTIONAL_GL(X) X(glGetStringi)

namespace jaggo {

// The OpenGL name of the first entry point on the required list that is
// still null, or nullptr when all are loaded.
const char* first_missing_entry_point();

}  // namespace jaggo
