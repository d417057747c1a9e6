// jaggo verdict: offscreen multisampling judged: multisampled renderbuffers and textures of each
// sample count, drawn into, resolved, read back and held against the samples each object reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/scene_layout.h"
#include "picture/judgement.h"
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

enum class ObjectKind { renderbuffer, texture };

// "renderbuffer" or "texture", as the rows and the JSON objects name them.
const char* kind_name(ObjectKind kind);

// One object judged, or the count it could not be made with.
struct OffscreenResult {
    ObjectKind kind = ObjectKind::renderbuffer;
    std::int32_t asked = 0;       // the samples requested
    bool made = false;            // the object's storage was made: granted holds its samples
    std::int32_t granted = 0;     // GL_RENDERBUFFER_SAMPLES or GL_TEXTURE_SAMPLES
    bool pictured = false;        // a picture was read back and analysed: judged holds its readings
    picture::Judgement judged{};  // its conclusion is set in any case
    Expectation expectation{};    // -e's, where asked
    Status status = unjudged;
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
    std::string renderer;      // GL_RENDERER; empty where the driver gave none
    const char* unavailable = nullptr;  // why nothing could be judged (no framebuffer objects), or nullptr
    KindLimits kinds[2];                // the renderbuffers' and the textures', in that order
    std::vector<OffscreenResult> results;
    Status status = unjudged;  // the gravest of the results', or unjudged when nothing could be judged
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
// against its samples. A count the driver refuses beyond its limit is
// a row that says so, with status agrees; a refusal within the limit, an out-of-memory error, an
// incomplete framebuffer or a refused read-back is a row that says why, with status unjudged.
// Leaves the window's framebuffer bound.
OffscreenRun judge_offscreen(Pixels* pixels);

// Holds the objects asked for at_least samples or more to it (verdict/expectation.h); a refused
// count is not held. The run's status follows. at_least 0 holds nothing.
void hold_offscreen_to_expectation(OffscreenRun* run, std::int32_t at_least);

}  // namespace jaggo::verdict
