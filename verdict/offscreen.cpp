// jaggo verdict: multisampled renderbuffers and textures, each count made, drawn into, resolved and
// judged against the samples the object reports.
#include "verdict/offscreen.h"

#include <algorithm>
#include <cstdio>

#include "app/scene.h"
#include "app/scene_layout.h"
#include "gl_loader/gl.h"
#include "verdict/judge_window.h"

namespace jaggo::verdict {

using namespace gl;

namespace {

#define JAGGO_FALSE_IF_MISSING(name) \
    if (gl::name == nullptr) return false;

// Multisampled renderbuffers, and the resolve that reads them.
bool can_make_renderbuffers() {
    JAGGO_OFFSCREEN_GL(JAGGO_FALSE_IF_MISSING)
    return can_resolve();
}

bool can_make_textures() {
    JAGGO_MULTISAMPLE_TEXTURE_GL(JAGGO_FALSE_IF_MISSING)
    return true;
}

#undef JAGGO_FALSE_IF_MISSING

const char* error_name(GLenum error) {
    switch (error) {
    case GL_INVALID_ENUM:
        return "GL_INVALID_ENUM";
    case GL_INVALID_VALUE:
        return "GL_INVALID_VALUE";
    case GL_INVALID_OPERATION:
        return "GL_INVALID_OPERATION";
    case GL_OUT_OF_MEMORY:
        return "GL_OUT_OF_MEMORY";
    default:
        return "GL error";
    }
}

// The counts judged for a kind: 1 up to its limit, and one past the limit. Every count a driver
// can grant for a format lies within the limit, so no count it offers is left out. A limit beyond
// what the analysis can tell apart is judged up to that bound, and its next count is not asked for.
std::vector<std::int32_t> counts_for(const KindLimits& limits) {
    std::vector<std::int32_t> counts;
    const std::int32_t top = std::min(limits.limit, static_cast<std::int32_t>(picture::max_samples));
    for (std::int32_t n = 1; n <= top; ++n) counts.push_back(n);
    if (limits.limit < picture::max_samples) counts.push_back(std::max(limits.limit, 0) + 1);
    return counts;
}

KindLimits limits_of(ObjectKind kind) {
    KindLimits limits;
    limits.kind = kind;
    GLint limit = 0;
    if (kind == ObjectKind::renderbuffer) {
        limits.limit_name = "GL_MAX_SAMPLES";
        glGetIntegerv(GL_MAX_SAMPLES, &limit);
    } else {
        limits.limit_name = "GL_MAX_COLOR_TEXTURE_SAMPLES";
        if (can_make_textures()) {
            glGetIntegerv(GL_MAX_COLOR_TEXTURE_SAMPLES, &limit);
        } else {
            limits.unavailable =
                "this context has no multisampled textures (glTexImage2DMultisample, OpenGL 3.2)";
        }
    }
    limits.limit = limit;
    return limits;
}

void conclude(OffscreenResult* result, const char* why, Status status) {
    result->judged.conclusion = picture::cannot_judge(why);
    result->status = status;
}

// Makes the object's storage with the requested count; the object is bound to its target. Returns
// the error the driver answered with.
GLenum make_storage(ObjectKind kind, GLuint object, std::int32_t asked) {
    if (kind == ObjectKind::renderbuffer) {
        glBindRenderbuffer(GL_RENDERBUFFER, object);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, asked, GL_RGBA8, offscreen_width, offscreen_height);
    } else {
        glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, object);
        glTexImage2DMultisample(GL_TEXTURE_2D_MULTISAMPLE, asked, GL_RGBA8, offscreen_width, offscreen_height,
                                GL_TRUE);
    }
    return glGetError();
}

GLint samples_of(ObjectKind kind) {
    GLint samples = 0;
    if (kind == ObjectKind::renderbuffer) {
        glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_SAMPLES, &samples);
    } else {
        glGetTexLevelParameteriv(GL_TEXTURE_2D_MULTISAMPLE, 0, GL_TEXTURE_SAMPLES, &samples);
    }
    return samples;
}

void attach(ObjectKind kind, GLuint object) {
    if (kind == ObjectKind::renderbuffer) {
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, object);
    } else {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D_MULTISAMPLE, object, 0);
    }
}

// What the object of that count showed, once made and attached to framebuffer (bound).
void draw_and_judge(GLuint framebuffer, Pixels* pixels, OffscreenResult* result) {
    char why[200];
    const GLenum completeness = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (completeness != GL_FRAMEBUFFER_COMPLETE) {
        std::snprintf(why, sizeof why, "the framebuffer with it is incomplete (status 0x%04X)",
                      static_cast<unsigned>(completeness));
        conclude(result, why, unjudged);
        return;
    }
    picture::OtherFrames others{};
    const char* unread = read_other_frames(framebuffer, offscreen_width, offscreen_height, pixels, &others);
    draw_scene(offscreen_width, offscreen_height, judged_degrees / scene::degrees_per_second);
    if (const GLenum error = glGetError(); error != GL_NO_ERROR) {
        std::snprintf(why, sizeof why, "the driver refused to draw into it (%s, 0x%04X)", error_name(error),
                      static_cast<unsigned>(error));
        conclude(result, why, unjudged);
        return;
    }
    picture::Image image{};
    if (unread == nullptr)
        unread = read_back_framebuffer(framebuffer, offscreen_width, offscreen_height, pixels, &image);
    if (unread != nullptr) {
        conclude(result, unread, unjudged);
        return;
    }
    result->pictured = true;
    const char* reporter = result->kind == ObjectKind::renderbuffer ? "the renderbuffer" : "the texture";
    result->judged = picture::judge_picture(image, scene_geometry, result->granted, reporter, &others);
    result->status = status_of(result->judged.conclusion.outcome);
}

OffscreenResult judge_object(const KindLimits& limits, std::int32_t asked, Pixels* pixels) {
    OffscreenResult result;
    result.kind = limits.kind;
    result.asked = asked;
    clear_errors();
    GLuint framebuffer = 0;
    GLuint object = 0;
    glGenFramebuffers(1, &framebuffer);
    if (limits.kind == ObjectKind::renderbuffer) {
        glGenRenderbuffers(1, &object);
    } else {
        glGenTextures(1, &object);
    }
    char why[200];
    const GLenum error = make_storage(limits.kind, object, asked);
    if (error == GL_OUT_OF_MEMORY) {
        std::snprintf(why, sizeof why, "the driver ran out of memory for it (GL_OUT_OF_MEMORY, 0x%04X)",
                      static_cast<unsigned>(error));
        conclude(&result, why, unjudged);
    } else if (error != GL_NO_ERROR) {
        // Beyond the limit a refusal is what OpenGL asks for; within it, it breaks the driver's own
        // word, and the count goes unjudged.
        const bool expected = asked > limits.limit;
        result.judged.conclusion.outcome = picture::Outcome::unjudged;
        std::snprintf(result.judged.conclusion.text, sizeof result.judged.conclusion.text,
                      "refused (%s, 0x%04X) %s", error_name(error), static_cast<unsigned>(error),
                      expected ? "beyond the maximum" : "within the maximum");
        result.status = expected ? agrees : unjudged;
    } else {
        result.made = true;
        result.granted = samples_of(limits.kind);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        attach(limits.kind, object);
        draw_and_judge(framebuffer, pixels, &result);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (limits.kind == ObjectKind::renderbuffer) {
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glDeleteRenderbuffers(1, &object);
    } else {
        glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, 0);
        glDeleteTextures(1, &object);
    }
    glDeleteFramebuffers(1, &framebuffer);
    return result;
}

// The gravest status of the run's objects; a kind that cannot be made goes unjudged.
Status gravest(const OffscreenRun& run) {
    Status status = agrees;
    for (const KindLimits& limits : run.kinds) {
        if (limits.unavailable != nullptr) status = graver(status, unjudged);
    }
    for (const OffscreenResult& r : run.results) status = graver(status, r.status);
    return status;
}

}  // namespace

const char* kind_name(ObjectKind kind) {
    return kind == ObjectKind::renderbuffer ? "renderbuffer" : "texture";
}

OffscreenRun judge_offscreen(Pixels* pixels) {
    OffscreenRun run;
    run.kinds[1].kind = ObjectKind::texture;
    if (const GLubyte* renderer = glGetString(GL_RENDERER))
        run.renderer = reinterpret_cast<const char*>(renderer);
    if (!can_make_renderbuffers()) {
        run.unavailable =
            "this context has no framebuffer objects or glBlitFramebuffer (OpenGL 3.0) to judge offscreen";
        run.status = unjudged;
        return run;
    }
    run.kinds[0] = limits_of(ObjectKind::renderbuffer);
    run.kinds[1] = limits_of(ObjectKind::texture);
    run.status = agrees;
    for (const KindLimits& limits : run.kinds) {
        if (limits.unavailable != nullptr) continue;
        for (const std::int32_t asked : counts_for(limits))
            run.results.push_back(judge_object(limits, asked, pixels));
    }
    run.status = gravest(run);
    return run;
}

void hold_offscreen_to_expectation(OffscreenRun* run, std::int32_t at_least) {
    if (run->unavailable != nullptr) return;
    for (OffscreenResult& r : run->results) {
        if (!r.made || r.asked < at_least) continue;
        r.expectation = hold_to_expectation(at_least, r.judged.right.samples, &r.status);
    }
    run->status = gravest(*run);
}

}  // namespace jaggo::verdict
