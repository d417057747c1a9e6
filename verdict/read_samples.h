// jaggo verdict: a multisampled colour buffer read one sample at a time. OpenGL 3.2 lets a
// multisampled buffer be copied into a multisampled texture of the same count, and a shader read
// any one sample of a texel; each sample's picture is drawn that way into a single-sampled target,
// read back and analysed as it comes (picture/samples.h), never all kept.
#pragma once

#include "picture/image.h"
#include "picture/sample_findings.h"
#include "verdict/read_back.h"

// The entry points the reading calls beyond the scene's and the resolve's, as an X-macro list:
// checked before they are called, and read by tests/tools/check_gl_calls.py.
#define JAGGO_SAMPLES_GL(X)                  \
    X(glGetMultisamplefv)                    \
    X(glGetFramebufferAttachmentParameteriv) \
    X(glGenTextures)                         \
    X(glBindTexture)                         \
    X(glTexImage2DMultisample)               \
    X(glGetTexLevelParameteriv)              \
    X(glFramebufferTexture2D)                \
    X(glDeleteTextures)                      \
    X(glActiveTexture)                       \
    X(glUniform1i)                           \
    X(glUniform2i)                           \
    X(glFlush)                               \
    X(glIsEnabled)                           \
    X(glDetachShader)                        \
    X(glDeleteShader)                        \
    X(glDeleteProgram)

namespace jaggo::verdict {

// Why no sample is read from a frame whose picture does not show the scene: its samples' positions
// could not be fitted to the squares.
constexpr const char* picture_not_whole = "the drawn picture does not show the scene whole";

// The multisampled colour buffer to read: that of a framebuffer (0: the window's back buffer, as
// drawn and not yet swapped), copied into a texture of its count; or, for a multisampled texture
// attached to the framebuffer, that texture itself.
struct SampleSource {
    unsigned framebuffer = 0;
    unsigned texture = 0;  // 0: copy the framebuffer's colour buffer
    int width = 0, height = 0;
    int reported = 0;                // the samples it reports: GL_SAMPLES, or the object's granted count
    picture::Precision precision{};  // the bits its resolve stores a channel in
};

// Reads every sample of the source drawn with the scene at degrees, in the current context. The
// resolve the verdict judged, whose grey levels read level_samples, lies in the first picture of
// pixels; each sample's picture is read into a second, which pixels grows to hold. Where the samples
// cannot be read, says why (never a failure of the program); a source of one sample has none to
// read. Every binding, the viewport, the program and the enables it touches are as they were
// afterwards, and its objects deleted.
picture::SampleFindings read_samples(const SampleSource& source, double degrees, int level_samples,
                                     Pixels* pixels);

}  // namespace jaggo::verdict
