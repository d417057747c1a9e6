// jaggo tests: a fake OpenGL context and a recording resolver for the loader.
// Shared by the loader's unit tests, its allocation test and its fuzz target.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "gl_loader/gl.h"

namespace jaggo::gl::fake {

// What the context answers. reset() restores a 4.6 context with no extensions.
inline const char* version = "4.6.0 Fake";
inline int version_answers = -1;  // non-null GL_VERSION answers left; -1: unlimited
inline const char* extension_string = nullptr;
inline std::vector<const char*> indexed;  // glGetStringi answers; null entries stay null
inline GLint reported_count = 0;          // what glGetIntegerv(GL_NUM_EXTENSIONS) gives

// What the resolver knows.
inline bool only_get_string = false;
inline bool have_get_stringi = true;
inline bool have_get_integerv = true;

// What happened.
inline bool record = true;
inline std::vector<std::pair<std::string, GLProc>> lookups;  // name and address given
inline void* last_user = nullptr;
inline long resolve_calls = 0;
inline int integerv_calls = 0;
inline int extension_string_calls = 0;
inline std::uintptr_t next_address = 0x1000;

inline const GLubyte* JAGGO_APIENTRY get_string(GLenum name) {
    if (name == GL_VERSION) {
        if (version_answers == 0) return nullptr;
        if (version_answers > 0) --version_answers;
        return reinterpret_cast<const GLubyte*>(version);
    }
    if (name == GL_EXTENSIONS) {
        ++extension_string_calls;
        return reinterpret_cast<const GLubyte*>(extension_string);
    }
    return nullptr;
}

inline void JAGGO_APIENTRY get_integerv(GLenum name, GLint* data) {
    ++integerv_calls;
    if (name == GL_NUM_EXTENSIONS) *data = reported_count;
}

inline const GLubyte* JAGGO_APIENTRY get_stringi(GLenum name, GLuint index) {
    if (name != GL_EXTENSIONS || index >= indexed.size()) return nullptr;
    return reinterpret_cast<const GLubyte*>(indexed[index]);
}

// Gives the fake's functions for the three queries the loader makes, and a
// fresh, distinct non-null address for every other lookup.
inline GLProc resolve(void* user, const char* name) {
    ++resolve_calls;
    last_user = user;
    GLProc address = nullptr;
    if (std::strcmp(name, "glGetString") == 0) {
        address = reinterpret_cast<GLProc>(&get_string);
    } else if (only_get_string) {
        address = nullptr;
    } else if (std::strcmp(name, "glGetStringi") == 0) {
        address = have_get_stringi ? reinterpret_cast<GLProc>(&get_stringi) : nullptr;
    } else if (std::strcmp(name, "glGetIntegerv") == 0) {
        address = have_get_integerv ? reinterpret_cast<GLProc>(&get_integerv) : nullptr;
    } else {
        next_address += 16;
        address = reinterpret_cast<GLProc>(next_address);
    }
    if (record) lookups.emplace_back(name, address);
    return address;
}

// An indexed extension list; the reported count is its length.
inline void use_indexed(std::vector<const char*> names) {
    indexed = std::move(names);
    reported_count = static_cast<GLint>(indexed.size());
}

// Empties the table and the flags, and restores the fake's defaults.
inline void reset() {
#define JAGGO_GL_CLEAR(ret, name, params) jaggo::gl::name = nullptr;
    JAGGO_GL_COMMANDS(JAGGO_GL_CLEAR)
#undef JAGGO_GL_CLEAR
    for (std::int32_t* flag :
         {&gl_version_1_0, &gl_version_1_1, &gl_version_1_2, &gl_version_1_3, &gl_version_1_4,
          &gl_version_1_5, &gl_version_2_0, &gl_version_2_1, &gl_version_3_0, &gl_version_3_1,
          &gl_version_3_2, &gl_version_3_3, &gl_arb_multisample, &gl_arb_robustness, &gl_khr_debug}) {
        *flag = 0;
    }
    version = "4.6.0 Fake";
    version_answers = -1;
    extension_string = nullptr;
    indexed.clear();
    reported_count = 0;
    only_get_string = false;
    have_get_stringi = true;
    have_get_integerv = true;
    lookups.clear();
    last_user = nullptr;
    resolve_calls = 0;
    integerv_calls = 0;
    extension_string_calls = 0;
}

}  // namespace jaggo::gl::fake
