// jaggo app: the context report: sample count, driver identity and version,
// and on request the extension list, as the driver answers each query.
#include "app/report.h"

#include <cstdio>

#include "app/command_line.h"
#include "gl_loader/gl.h"
#include "platform/pixel_format.h"

namespace jaggo {

const char* const no_string_placeholder = "(none)";

using namespace gl;

namespace {

static_assert(sizeof(GLint) == sizeof(std::int32_t), "GL_SAMPLES is read straight into samples");

constexpr const char* rule = "-------------------------------------------------------------\n";

const char* text_or_placeholder(const GLubyte* text) {
    return text != nullptr ? reinterpret_cast<const char*>(text) : no_string_placeholder;
}

// Prints each blank-separated name of a GL_EXTENSIONS string on its own line.
void print_extension_string(const GLubyte* extensions) {
    if (extensions == nullptr) {
        std::printf("%s\n", no_string_placeholder);
        return;
    }
    const char* p = reinterpret_cast<const char*>(extensions);
    while (*p != '\0') {
        while (*p == ' ') ++p;
        const char* start = p;
        while (*p != ' ' && *p != '\0') ++p;
        if (p != start) std::printf("%.*s\n", static_cast<int>(p - start), start);
    }
}

}  // namespace

void print_context_report() {
    const std::int32_t format = chosen_pixel_format;
    glGetIntegerv(GL_SAMPLES, &samples);
    if (samples != 0) {
        std::printf("Context %d reports MSAA is available with %i samples\n", format, samples);
    } else {
        std::printf("Context %d reports MSAA is unavailable\n", format);
    }
    print_context_info(list_extensions);
}

void print_context_info(std::int32_t list) {
    const GLubyte* renderer = glGetString(GL_RENDERER);
    const GLubyte* vendor = glGetString(GL_VENDOR);
    const GLubyte* version = glGetString(GL_VERSION);
    const GLubyte* glsl = glGetString(GL_SHADING_LANGUAGE_VERSION);

    // GL_MAJOR_VERSION, GL_MINOR_VERSION, GL_NUM_EXTENSIONS and glGetStringi
    // exist from 3.0 on; older contexts are answered from their strings.
    GLint major = 0;
    GLint minor = 0;
    if (version != nullptr) read_gl_version(reinterpret_cast<const char*>(version), &major, &minor);
    const bool indexed = major >= 3 && glGetStringi != nullptr;
    if (indexed) {
        glGetIntegerv(GL_MAJOR_VERSION, &major);
        glGetIntegerv(GL_MINOR_VERSION, &minor);
    }

    std::printf("%s", rule);
    std::printf("GL Vendor    : %s\n", text_or_placeholder(vendor));
    std::printf("GL Renderer  : %s\n", text_or_placeholder(renderer));
    std::printf("GL Version   : %s\n", text_or_placeholder(version));
    std::printf("GL Version   : %d.%d\n", major, minor);
    std::printf("GLSL Version : %s\n", text_or_placeholder(glsl));
    std::printf("%s", rule);

    if (list == 0) return;
    if (!indexed) {
        print_extension_string(glGetString(GL_EXTENSIONS));
        return;
    }
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        std::printf("%s\n", text_or_placeholder(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i))));
    }
}

}  // namespace jaggo
