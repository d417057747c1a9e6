// jaggo verdict: the program's own framebuffer read back, resolved from its samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "picture/image.h"

// The entry points the read-back always calls, beyond those the scene and the report call
// (app/required_gl.h), and those it calls to resolve a multisampled framebuffer (OpenGL 3.0), as
// X-macro lists: the start-up check, the choice of how to read, and the check that the judging
// program calls nothing else (tests/tools/check_gl_calls.py) all read them.
#define JAGGO_READ_BACK_GL(X) \
    X(glReadPixels)           \
    X(glGetError)             \
    X(glFinish)
#define JAGGO_RESOLVE_GL(X)      \
    X(glGenFramebuffers)         \
    X(glBindFramebuffer)         \
    X(glGenRenderbuffers)        \
    X(glBindRenderbuffer)        \
    X(glRenderbufferStorage)     \
    X(glFramebufferRenderbuffer) \
    X(glCheckFramebufferStatus)  \
    X(glBlitFramebuffer)         \
    X(glDeleteRenderbuffers)     \
    X(glDeleteFramebuffers)

namespace jaggo::verdict {

// The pixels of a picture read back; the caller keeps one for its run, and a read grows it only
// for a larger picture than before.
using Pixels = std::vector<std::uint8_t>;

// Whether every entry point of the resolve (JAGGO_RESOLVE_GL) is loaded.
bool can_resolve();

// Drops the errors of earlier calls, so that glGetError then answers for the calls after it alone.
void clear_errors();

// The bytes a picture of width x height pixels takes.
inline std::size_t picture_bytes(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
           static_cast<std::size_t>(picture::bytes_per_pixel);
}

// The OpenGL name of the first entry point on the read-back list that is still null, or nullptr.
const char* first_missing_read_back_entry_point();

// Reads the frame just drawn into the current context's back buffer, before it is swapped, at the
// framebuffer's size, into pixels. A multisampled framebuffer is first resolved into a
// single-sampled one by glBlitFramebuffer, as OpenGL defines that resolve: glReadPixels straight
// from a multisampled window leaves the resolve to the driver, and Mesa's, for one, reads a single
// sample. It reads into the picture of that number in pixels (0: the first), which grows to hold
// it. On success fills *image (which points into pixels) and returns nullptr; otherwise returns why,
// in words.
const char* read_back(int width, int height, Pixels* pixels, picture::Image* image, int picture = 0);

// As read_back, from the framebuffer object of that name, multisampled or not, always through the
// resolve: its entry points (JAGGO_RESOLVE_GL) must be loaded. The window's framebuffer is bound
// afterwards.
const char* read_back_framebuffer(unsigned framebuffer, int width, int height, Pixels* pixels,
                                  picture::Image* image, int picture = 0);

}  // namespace jaggo::verdict
