// jaggo gl_loader: resolves the entry-point table through an address query and
// detects the current context's version (1.0 to 3.3) and four extensions.
#include <cstdlib>
#include <cstring>
#include <limits>

#include "decimal/decimal.h"
#include "gl_loader/gl.h"

namespace jaggo::gl {

namespace {

// Looks `name` up and stores the result, null included, in its variable.
#define JAGGO_GL_RESOLVE(name) name = reinterpret_cast<name##_proc>(resolve(user, #name));

// The extensions we detect, in matching order, with their flags.
constexpr int extension_count = 4;
const char* const extension_names[extension_count] = {"GL_ARB_multisample", "GL_ARB_robustness",
                                                      "GL_KHR_debug", "GL_ARB_internalformat_query"};
std::int32_t* const extension_flags[extension_count] = {&gl_arb_multisample, &gl_arb_robustness,
                                                        &gl_khr_debug, &gl_arb_internalformat_query};

// 1 when version major.minor provides version x.y.
std::int32_t provides(int major, int minor, int x, int y) {
    return (major == x && minor >= y) || major > x ? 1 : 0;
}

// 1 when `name` occurs in the blank-separated list `list` as a whole word.
std::int32_t has_word(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    const char* from = list;
    for (;;) {
        const char* where = std::strstr(from, name);
        if (where == nullptr) return 0;
        const char* end = where + length;
        // The byte before counts only inside the string, never before its start.
        if ((where == list || where[-1] == ' ') && (*end == ' ' || *end == '\0')) return 1;
        from = end;
    }
}

// Indexed list of a 3.0+ context: heap copies of the names, empty entries for
// names that could not be read or copied. Null when the list could not be made.
char** gather_indexed(std::uint32_t count) {
    char** list = static_cast<char**>(std::calloc(count, sizeof(char*)));
    if (list == nullptr) return nullptr;
    for (std::uint32_t i = 0; i < count; ++i) {
        const char* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, i));
        if (name == nullptr) continue;
        const std::size_t size = std::strlen(name) + 1;
        char* copy = static_cast<char*>(std::malloc(size));
        if (copy == nullptr) continue;
        std::memcpy(copy, name, size);
        list[i] = copy;
    }
    return list;
}

std::int32_t in_list(char* const* list, std::uint32_t count, const char* name) {
    for (std::uint32_t i = 0; i < count; ++i) {
        if (list[i] != nullptr && std::strcmp(list[i], name) == 0) return 1;
    }
    return 0;
}

}  // namespace

GLProc query_resolver(void* user, const char* name) {
    return reinterpret_cast<GLQueryFn>(user)(name);
}

GLLoadResult load_gl(GLQueryFn query) {
    return load_gl_with(query_resolver, reinterpret_cast<void*>(query));
}

GLLoadResult load_gl_with(GLResolveFn resolve, void* user) {
    JAGGO_GL_RESOLVE(glGetString)
    if (glGetString == nullptr) return {GLLoadStatus::no_get_string, 0};
    if (glGetString(GL_VERSION) == nullptr) return {GLLoadStatus::no_version, 0};

    const GLVersionCode code = detect_gl_version();
#define JAGGO_GL_LOAD_GROUP(flag, list) \
    if (flag == 1) {                    \
        list(JAGGO_GL_RESOLVE)          \
    }
    JAGGO_GL_VERSION_GROUPS(JAGGO_GL_LOAD_GROUP)
    if (detect_gl_extensions(code) == 0) return {GLLoadStatus::no_extension_list, 0};
    JAGGO_GL_EXTENSION_GROUPS(JAGGO_GL_LOAD_GROUP)
#undef JAGGO_GL_LOAD_GROUP
    return {GLLoadStatus::loaded, code};
}

void read_gl_version(const char* version, std::int32_t* major, std::int32_t* minor) {
    *major = 0;
    *minor = 0;
    // OpenGL ES and SC contexts name their API before the number; skip at most one.
    const char* const prefixes[] = {"OpenGL ES-CM ", "OpenGL ES-CL ", "OpenGL ES ", "OpenGL SC "};
    for (const char* prefix : prefixes) {
        const std::size_t length = std::strlen(prefix);
        if (std::strncmp(version, prefix, length) == 0) {
            version += length;
            break;
        }
    }
    // A field that cannot be read keeps its 0, so "4" is 4.0 and text is 0.0.
    const char* rest = read_decimal(version, major);
    if (rest != nullptr && *rest == '.') static_cast<void>(read_decimal(rest + 1, minor));
}

GLVersionCode detect_gl_version() {
    const GLubyte* text = glGetString(GL_VERSION);
    if (text == nullptr) return 0;
    std::int32_t major = 0;
    std::int32_t minor = 0;
    read_gl_version(reinterpret_cast<const char*>(text), &major, &minor);
    // A number too large for the code would overflow it; such a string is read
    // as holding no version at all.
    long long wide = static_cast<long long>(major) * 10000 + minor;
    if (wide > std::numeric_limits<GLVersionCode>::max() ||
        wide < std::numeric_limits<GLVersionCode>::min()) {
        major = 0;
        minor = 0;
        wide = 0;
    }

    gl_version_1_0 = provides(major, minor, 1, 0);
    gl_version_1_1 = provides(major, minor, 1, 1);
    gl_version_1_2 = provides(major, minor, 1, 2);
    gl_version_1_3 = provides(major, minor, 1, 3);
    gl_version_1_4 = provides(major, minor, 1, 4);
    gl_version_1_5 = provides(major, minor, 1, 5);
    gl_version_2_0 = provides(major, minor, 2, 0);
    gl_version_2_1 = provides(major, minor, 2, 1);
    gl_version_3_0 = provides(major, minor, 3, 0);
    gl_version_3_1 = provides(major, minor, 3, 1);
    gl_version_3_2 = provides(major, minor, 3, 2);
    gl_version_3_3 = provides(major, minor, 3, 3);
    // Computed wide: major * 10000 alone may overflow even when the sum fits.
    return static_cast<GLVersionCode>(wide);
}

int detect_gl_extensions(GLVersionCode code) {
    if (code >= 30000) {
        if (glGetStringi == nullptr || glGetIntegerv == nullptr) return 0;
        GLint reported = 0;
        glGetIntegerv(GL_NUM_EXTENSIONS, &reported);
        const std::uint32_t count = static_cast<std::uint32_t>(reported);
        if (count == 0) return 0;
        char** list = gather_indexed(count);
        if (list == nullptr) return 0;
        for (int k = 0; k < extension_count; ++k) {
            *extension_flags[k] = in_list(list, count, extension_names[k]);
        }
        for (std::uint32_t i = 0; i < count; ++i) std::free(list[i]);
        std::free(list);
        return 1;
    }

    if (glGetString == nullptr) return 0;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    for (int k = 0; k < extension_count; ++k) {
        *extension_flags[k] = extensions == nullptr ? 0 : has_word(extensions, extension_names[k]);
    }
    return 1;
}

#undef JAGGO_GL_RESOLVE

}  // namespace jaggo::gl
