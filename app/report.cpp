// jaggo app: the context report: sample count, driver identity and version,
// and on request the extension list, as the driver answers each query.
#include "app/report.h"

#include <cstdio>
#include <cstring>

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

// Hands each blank-separated name of a GL_EXTENSIONS string to visit.
void visit_extension_string(const GLubyte* extensions, ExtensionVisitor visit, void* data) {
    if (extensions == nullptr) {
        visit(no_string_placeholder, static_cast<int>(std::strlen(no_string_placeholder)), data);
        return;
    }
    const char* p = reinterpret_cast<const char*>(extensions);
    while (*p != '\0') {
        while (*p == ' ') ++p;
        const char* start = p;
        while (*p != ' ' && *p != '\0') ++p;
        if (p != start) visit(start, static_cast<int>(p - start), data);
    }
}

// Whether the context lists its extensions by index (3.0 and glGetStringi); its version read
// into *major and *minor.
bool lists_by_index(const GLubyte* version, GLint* major, GLint* minor) {
    // GL_MAJOR_VERSION, GL_MINOR_VERSION, GL_NUM_EXTENSIONS and glGetStringi
    // exist from 3.0 on; older contexts are answered from their strings.
    if (version != nullptr) read_gl_version(reinterpret_cast<const char*>(version), major, minor);
    const bool indexed = *major >= 3 && glGetStringi != nullptr;
    if (indexed) {
        glGetIntegerv(GL_MAJOR_VERSION, major);
        glGetIntegerv(GL_MINOR_VERSION, minor);
    }
    return indexed;
}

void print_name(const char* name, int length, void*) {
    std::printf("%.*s\n", length, name);
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

    GLint major = 0;
    GLint minor = 0;
    lists_by_index(version, &major, &minor);

    std::printf("%s", rule);
    std::printf("GL Vendor    : %s\n", text_or_placeholder(vendor));
    std::printf("GL Renderer  : %s\n", text_or_placeholder(renderer));
    std::printf("GL Version   : %s\n", text_or_placeholder(version));
    std::printf("GL Version   : %d.%d\n", major, minor);
    std::printf("GLSL Version : %s\n", text_or_placeholder(glsl));
    std::printf("%s", rule);

    if (list != 0) visit_extensions(print_name, nullptr);
}

void visit_extensions(ExtensionVisitor visit, void* data) {
    GLint major = 0;
    GLint minor = 0;
    if (!lists_by_index(glGetString(GL_VERSION), &major, &minor)) {
        visit_extension_string(glGetString(GL_EXTENSIONS), visit, data);
        return;
    }
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const char* name = text_or_placeholder(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
        visit(name, static_cast<int>(std::strlen(name)), data);
    }
}

}  // namespace jaggo
