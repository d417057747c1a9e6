// jaggo gl_loader: the process-wide OpenGL entry-point table and its loader.
// Every OpenGL call of the program goes through the pointers declared here.
#pragma once

#include <cstddef>
#include <cstdint>

// The calling convention OpenGL entry points use on this platform.
#if defined(_WIN32) && !defined(_WIN64) && !defined(__MINGW64__)
#define JAGGO_APIENTRY __stdcall
#else
#define JAGGO_APIENTRY
#endif

// Everything lives in a namespace, so the pointers carry OpenGL's own names
// without clashing with the platform's GL headers or with libGL's exported
// symbols (which share the process with us).
namespace jaggo::gl {

// Registry types (GLenum, GLuint, GLsizei, ...), enum constants used by the
// program, one function-pointer type per command, and the resolution lists.
#include "gl_loader/gl_table.gen.h"

// One pointer per entry point, named after it and null until resolved, and
// its type, named after it with "_proc" (glDrawArrays has glDrawArrays_proc).
#define JAGGO_GL_DECLARE(ret, name, params)          \
    using name##_proc = ret(JAGGO_APIENTRY*) params; \
    extern name##_proc name;
JAGGO_GL_COMMANDS(JAGGO_GL_DECLARE)
#undef JAGGO_GL_DECLARE

// For an X-macro list of entry points, in a function that checks them: LIST(JAGGO_RETURN_IF_MISSING)
// returns the OpenGL name of the first one still null, LIST(JAGGO_FALSE_IF_MISSING) returns false.
#define JAGGO_RETURN_IF_MISSING(name) \
    if (::jaggo::gl::name == nullptr) return #name;
#define JAGGO_FALSE_IF_MISSING(name) \
    if (::jaggo::gl::name == nullptr) return false;

// 1 when the current context provides that version or extension.
extern std::int32_t gl_version_1_0, gl_version_1_1, gl_version_1_2, gl_version_1_3, gl_version_1_4,
    gl_version_1_5, gl_version_2_0, gl_version_2_1, gl_version_3_0, gl_version_3_1, gl_version_3_2,
    gl_version_3_3;
extern std::int32_t gl_arb_multisample, gl_arb_robustness, gl_khr_debug;

// major * 10000 + minor of the current context; 0 when loading failed.
using GLVersionCode = std::int32_t;
using GLProc = void (*)();
using GLQueryFn = GLProc (*)(const char* name);
using GLResolveFn = GLProc (*)(void* user, const char* name);

// What a load did, so that a caller never has to ask the driver again why the
// code is 0.
enum class GLLoadStatus : std::int32_t {
    loaded,             // ran to the end: every group the version and extensions provide is resolved
    no_get_string,      // the query has no glGetString: nothing else was looked up
    no_version,         // glGetString(GL_VERSION) gave no string: nothing else was looked up
    no_extension_list,  // the version groups are resolved, but the extensions could not be
                        // listed (a 3.0+ context reporting none, or without glGetStringi)
};

struct GLLoadResult {
    GLLoadStatus status;
    // The context's version; 0 unless status is loaded (and 0 then too when
    // the version string holds no number).
    GLVersionCode code;
};

GLLoadResult load_gl(GLQueryFn query);
GLLoadResult load_gl_with(GLResolveFn resolve, void* user);
GLProc query_resolver(void* user, const char* name);
GLVersionCode detect_gl_version();
// The major and minor numbers that begin a GL_VERSION string, after at most one
// "OpenGL ES-CM ", "OpenGL ES-CL ", "OpenGL ES " or "OpenGL SC " prefix; a number
// that cannot be read is 0, and one beyond the int range reads as the nearest limit.
void read_gl_version(const char* version, std::int32_t* major, std::int32_t* minor);
int detect_gl_extensions(GLVersionCode code);

}  // namespace jaggo::gl
