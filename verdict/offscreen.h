// jaggo verdict: offscreen multisampling judged: multisampled renderbuffers and textures of each
// sample count, drawn into, resolved, read back and held against the samples each object reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/scene_layout.h"
#include "picture/judgement.h"
#include "picture/sample_findings.h"
#include "platform/configuration.h"
#include "verdict/expectation.h"
#include "verdict/read_back.h"
#include "verdict/status.h"

// The entry points the offscreen judging calls beyond the scene's, the read-back's and the
// resolve's: multisampled renderbuffers (OpenGL 3.0) and multisampled textures (OpenGL 3.2), as
// X-macro lists. Each list is
// checked at run time before it is used, and tests/tools/check_gl_calls.py reads them.
#define JAGGO_OFFSCREEN_GL(X)           \
    X(glRenderbufferStorageMultisample) \
    X(glGetRenderbufferParameteriv)
#define JAGGO_MULTISAMPLE_TEXTURE_GL(X) \
    X(glGenTextures)                    \
    X(glBindTexture)                    \
    X(glTexImage2DMultisample)          \
    X(glGetTexLevelParameteriv)         \
    X(glFramebufferTexture2D)           \
    X(glDeleteTextures)

namespace jaggo::verdict {

struct PictureFolder;

enum class ObjectKind { renderbuffer, texture };

// "renderbuffer" or "texture", as the rows and the JSON objects name them.
const char* kind_name(ObjectKind kind);

// One object judged, or the count it could not be made with.
struct OffscreenResult {
    ObjectKind kind = ObjectKind::renderbuffer;
    std::int32_t asked = 0;       // the samples requested
    bool beyond_maximum = false;  // asked is more than the kind's limit
    bool made = false;            // the object's storage was made and its samples read: granted holds them
    std::int32_t granted = 0;     // GL_RENDERBUFFER_SAMPLES or GL_TEXTURE_SAMPLES
    bool pictured = false;        // a picture was read back and analysed: judged holds its readings
    picture::Judgement judged{};  // its conclusion is set in any case
    Expectation expectation{};    // -e's, where asked
    Status status = unjudged;
    // Its samples read one by one, where pictured, or why not.
    picture::SampleFindings samples{};
    std::optional<std::vector<std::string>> pictures;  // with -p: the files written of it
};

// The limit of one kind of object.
struct KindLimits {
    ObjectKind kind = ObjectKind::renderbuffer;
    const char* limit_name = "";  // GL_MAX_SAMPLES or GL_MAX_COLOR_TEXTURE_SAMPLES
    std::int32_t limit = 0;
    const char* unavailable = nullptr;  // why this kind cannot be made here, or nullptr
};

// Everything judged offscreen in one context.
struct OffscreenRun {
    std::string context;       // where it ran: "window", "EGL device platform", "EGL surfaceless platform"
    PlatformNames platform{};  // the window's platform, or EGL's alone without a display
    std::string vendor, renderer, version, glsl;  // the context's GL_VENDOR, GL_RENDERER, GL_VERSION and
                                                  // GL_SHADING_LANGUAGE_VERSION; empty where it gave none
    const char* unavailable = nullptr;  // why nothing could be judged (no framebuffer objects), or nullptr
    std::string error;    // where no context to judge in could be made, the error in its own words
    KindLimits kinds[2];  // the renderbuffers' and the textures', in that order
    std::vector<OffscreenResult> results;
    std::int32_t expected = 0;  // -e's count, the run was held to; 0 where none was asked for
    Status status = unjudged;   // the gravest of the results', or unjudged when nothing could be judged
};

// The objects are drawn at the size of the window the scene asks for.
constexpr int offscreen_width = scene::window_width;
constexpr int offscreen_height = scene::window_height;

// Judges, in the current context, whose scene is built and whose scene and read-back entry points
// are loaded, every sample count of each kind: 1 up to the kind's limit (at most
// picture::max_samples), and one past the limit.
// Each object is made, its samples read, the scene drawn into it at the other frames' angles and
// then the judged one, each frame resolved by glBlitFramebuffer into a single-sampled
// renderbuffer, read into pixels (grown once, to the objects' size), and the levels of all judged
// against its samples; where it shows the scene whole, its samples are also read one by one
// (verdict/read_samples.h, into pixels grown to two pictures), and where they can be, they give its
// verdict. A count the driver refuses beyond its limit is a row that says so, with status agrees;
// one it accepts there is judged like any other. An object granted fewer samples than asked within
// the limit is a contradiction: OpenGL grants at least the count asked. A refusal within the limit,
// an out-of-memory error, an error from any step (named by the step), an incomplete framebuffer or
// a refused read-back is a row that says why, with status unjudged. With a folder (-p), each
// object's pictures are written there as soon as it is judged. Leaves the window's framebuffer
// bound.
OffscreenRun judge_offscreen(Pixels* pixels, PictureFolder* folder = nullptr);

// Holds the objects asked for at_least samples or more to it (verdict/expectation.h); a refused
// count is not held. A kind whose limit is below at_least cannot meet it: its last row (the one
// beyond the limit) is held to it, and falls short even where it was refused. Every object
// carries at_least, held or not. The run's status follows. at_least 0 holds nothing.
void hold_offscreen_to_expectation(OffscreenRun* run, std::int32_t at_least);

// "Expected: at least 8 samples, but renderbuffers offer at most 4 and textures at most 4": the
// kinds whose limit falls below the run's expectation, into out (cut to size); empty where none
// does, or none was expected.
void offscreen_expectation_line(const OffscreenRun& run, char* out, std::size_t size);

}  // namespace jaggo::verdict
