// jaggo verdict: the back buffer resolved and read into the caller's buffer.
#include "verdict/read_back.h"

#include <cstdio>
#include <vector>

#include "gl_loader/gl.h"

namespace jaggo::verdict {

using namespace gl;

bool can_resolve() {
    JAGGO_RESOLVE_GL(JAGGO_FALSE_IF_MISSING)
    return true;
}

namespace {

const char* refused(const char* what, GLenum error) {
    static char why[128];
    std::snprintf(why, sizeof why, "the driver refused to %s (GL error 0x%04X)", what,
                  static_cast<unsigned>(error));
    return why;
}

// The start of the picture of width x height pixels numbered picture in pixels, grown to hold it.
std::uint8_t* make_room(int width, int height, int picture, Pixels* pixels) {
    const std::size_t size = picture_bytes(width, height);
    const std::size_t needed = size * static_cast<std::size_t>(picture + 1);
    if (pixels->size() < needed) pixels->resize(needed);
    return pixels->data() + size * static_cast<std::size_t>(picture);
}

// RGBA with unsigned bytes is the one format every driver must read; its rows need no padding.
GLenum read_pixels(int width, int height, std::uint8_t* into) {
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, into);
    return glGetError();
}

// The source framebuffer (0: the window's back buffer) resolved into renderbuffer, given storage of
// its size and attached to framebuffer, and read from there. Each step's error is read after it,
// so that a refusal is named by the step the driver refused.
const char* resolve_into(GLuint source, GLuint framebuffer, GLuint renderbuffer, int width, int height,
                         std::uint8_t* into) {
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    GLenum error = glGetError();
    if (error != GL_NO_ERROR) return refused("make a renderbuffer to resolve the picture into", error);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffer);
    if (glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        return "the driver could not make a framebuffer to resolve the picture into";
    glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    error = glGetError();
    if (error != GL_NO_ERROR) return refused("resolve the framebuffer's samples", error);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    error = read_pixels(width, height, into);
    if (error != GL_NO_ERROR) return refused("read the framebuffer back", error);
    return nullptr;
}

// resolve_into two objects of its own; the window's framebuffer is bound again afterwards, and the
// two objects deleted.
const char* resolve_and_read(GLuint source, int width, int height, std::uint8_t* into) {
    GLuint framebuffer = 0;
    GLuint renderbuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glGenRenderbuffers(1, &renderbuffer);
    const char* why = resolve_into(source, framebuffer, renderbuffer, width, height, into);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glDeleteRenderbuffers(1, &renderbuffer);
    glDeleteFramebuffers(1, &framebuffer);
    return why;
}

}  // namespace

void clear_errors() {
    // A driver keeps at most one error a kind, so a few calls empty it.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

const char* first_missing_read_back_entry_point() {
    JAGGO_READ_BACK_GL(JAGGO_RETURN_IF_MISSING)
    return nullptr;
}

const char* read_back(int width, int height, Pixels* pixels, picture::Image* image, int picture) {
    if (width <= 0 || height <= 0) return "jaggo's framebuffer has no pixels (a minimised window?)";
    std::uint8_t* into = make_room(width, height, picture, pixels);
    clear_errors();
    GLint sample_buffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sample_buffers);
    const char* why = nullptr;
    if (sample_buffers == 0) {
        const GLenum error = read_pixels(width, height, into);  // the back buffer: the default read buffer
        if (error != GL_NO_ERROR) why = refused("read the framebuffer back", error);
    } else if (can_resolve()) {
        why = resolve_and_read(0, width, height, into);
    } else {
        why =
            "this context cannot resolve its multisampled framebuffer for reading (glBlitFramebuffer, OpenGL "
            "3.0)";
    }
    if (why != nullptr) return why;
    *image = {into, width, height};
    return nullptr;
}

const char* read_back_framebuffer(unsigned framebuffer, int width, int height, Pixels* pixels,
                                  picture::Image* image, int picture) {
    std::uint8_t* into = make_room(width, height, picture, pixels);
    clear_errors();
    if (const char* why = resolve_and_read(framebuffer, width, height, into)) return why;
    *image = {into, width, height};
    return nullptr;
}

}  // namespace jaggo::verdict
