// jaggo verdict: multisampled renderbuffers and textures, each count made, drawn into, resolved and
// judged against the samples the object reports.
#include "verdict/offscreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "app/scene.h"
#include "app/scene_layout.h"
#include "gl_loader/gl.h"
#include "verdict/judge_window.h"
#include "verdict/pictures.h"
#include "verdict/read_samples.h"

namespace jaggo::verdict {

using namespace gl;

namespace {

// Multisampled renderbuffers, and the resolve that reads them.
bool can_make_renderbuffers() {
    JAGGO_OFFSCREEN_GL(JAGGO_FALSE_IF_MISSING)
    return can_resolve();
}

bool can_make_textures() {
    JAGGO_MULTISAMPLE_TEXTURE_GL(JAGGO_FALSE_IF_MISSING)
    return true;
}

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

// Whether the driver answered the step just taken with an error; if so, the row says which step
// it refused and goes unjudged. The errors of earlier steps were read after each, so this one is
// the step's own.
bool refused_step(const char* step, OffscreenResult* result) {
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) return false;
    char why[200];
    std::snprintf(why, sizeof why, "the driver refused %s (%s, 0x%04X)", step, error_name(error),
                  static_cast<unsigned>(error));
    conclude(result, why, unjudged);
    return true;
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

// What the object of that count showed, once made and attached to framebuffer (bound); with a
// folder, its pictures are written there before the buffer is read into again.
void draw_and_judge(GLuint framebuffer, GLuint object, Pixels* pixels, PictureFolder* folder,
                    OffscreenResult* result) {
    char why[200];
    const GLenum completeness = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (completeness != GL_FRAMEBUFFER_COMPLETE) {
        std::snprintf(why, sizeof why, "the framebuffer with it is incomplete (status 0x%04X)",
                      static_cast<unsigned>(completeness));
        conclude(result, why, unjudged);
        return;
    }
    draw_scene(offscreen_width, offscreen_height, judged_degrees / scene::degrees_per_second);
    if (refused_step("to draw into it", result)) return;
    picture::Image image{};
    if (const char* unread =
            read_back_framebuffer(framebuffer, offscreen_width, offscreen_height, pixels, &image)) {
        conclude(result, unread, unjudged);
        return;
    }
    const char* reporter = result->kind == ObjectKind::renderbuffer ? "the renderbuffer" : "the texture";
    // The left square's smoothing in an object of the program's own is no control panel's doing:
    // such a setting reaches the window's framebuffer, not the objects an application makes.
    char forced[120];
    std::snprintf(forced, sizeof forced, "glDisable(GL_MULTISAMPLE) was not honoured for %s", reporter);
    result->judged = picture::judge_picture(image, scene_geometry, result->granted, reporter, {}, forced);
    if (result->judged.why_not_as_drawn == nullptr) {
        // A texture's samples are read from it; a renderbuffer's, copied into a texture first.
        SampleSource source;
        source.framebuffer = framebuffer;
        source.texture = result->kind == ObjectKind::texture ? object : 0;
        source.width = offscreen_width;
        source.height = offscreen_height;
        source.reported = result->granted;
        result->samples = read_samples(source, judged_degrees, result->judged.right.samples, pixels);
    } else {
        result->samples = picture::samples_not_readable(picture_not_whole);
    }
    if (result->samples.readable) {
        result->judged.conclusion = picture::judge_samples(result->samples, reporter, forced);
    } else if (result->judged.why_not_as_drawn == nullptr) {
        // Without the samples, the verdict rests on the grey levels, read with other frames'.
        picture::OtherFrames others{};
        if (const char* unread =
                read_other_frames(framebuffer, offscreen_width, offscreen_height, pixels, &others)) {
            result->judged = {};  // no reading of the judged frame stands without the others'
            result->samples = {};
            conclude(result, unread, unjudged);
            return;
        }
        image.pixels = pixels->data();
        result->judged =
            picture::judge_picture(image, scene_geometry, result->granted, reporter, {}, forced, &others);
    }
    result->pictured = true;
    result->status = status_of(result->judged.conclusion.outcome);
    // The samples' reading may have grown pixels, and moved the picture it leads with.
    image.pixels = pixels->data();
    if (folder != nullptr) write_object_pictures(image, folder, result);
}

// OpenGL grants a count within the limit at least the samples asked (a single-sampled object
// draws with one). Fewer is a contradiction, whatever the picture shows; a contradiction the
// picture shows too is said after it.
void hold_to_the_count_asked(OffscreenResult* result) {
    if (result->beyond_maximum || std::max(result->granted, 1) >= result->asked) return;
    picture::Conclusion& c = result->judged.conclusion;
    constexpr char prefix[] = "CONTRADICTION: ";
    std::string text = prefix + std::string("asked for ") + std::to_string(result->asked) +
                       " samples, granted " + std::to_string(result->granted) +
                       " (OpenGL grants at least the count asked)";
    if (c.outcome == picture::Outcome::contradiction && std::strncmp(c.text, prefix, sizeof prefix - 1) == 0)
        text += std::string("; ") + (c.text + sizeof prefix - 1);
    c.outcome = picture::Outcome::contradiction;
    std::snprintf(c.text, sizeof c.text, "%s", text.c_str());
    result->status = contradiction;
}

OffscreenResult judge_object(const KindLimits& limits, std::int32_t asked, Pixels* pixels,
                             PictureFolder* folder) {
    OffscreenResult result;
    result.kind = limits.kind;
    result.asked = asked;
    if (folder != nullptr) result.pictures.emplace();
    result.beyond_maximum = asked > limits.limit;
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
        result.judged.conclusion.outcome = picture::Outcome::unjudged;
        std::snprintf(result.judged.conclusion.text, sizeof result.judged.conclusion.text,
                      "refused (%s, 0x%04X) %s", error_name(error), static_cast<unsigned>(error),
                      result.beyond_maximum ? "beyond the maximum" : "within the maximum");
        result.status = result.beyond_maximum ? agrees : unjudged;
    } else {
        result.granted = samples_of(limits.kind);
        if (!refused_step("to tell its samples", &result)) {
            result.made = true;
            glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
            if (!refused_step("to bind a framebuffer for it", &result)) {
                attach(limits.kind, object);
                if (!refused_step("to attach it to its framebuffer", &result))
                    draw_and_judge(framebuffer, object, pixels, folder, &result);
            }
            hold_to_the_count_asked(&result);
        }
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

OffscreenRun judge_offscreen(Pixels* pixels, PictureFolder* folder) {
    OffscreenRun run;
    run.kinds[1].kind = ObjectKind::texture;
    for (auto [name, text] : {std::pair{GL_VENDOR, &run.vendor},
                              {GL_RENDERER, &run.renderer},
                              {GL_VERSION, &run.version},
                              {GL_SHADING_LANGUAGE_VERSION, &run.glsl}}) {
        if (const GLubyte* s = glGetString(name)) *text = reinterpret_cast<const char*>(s);
    }
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
            run.results.push_back(judge_object(limits, asked, pixels, folder));
    }
    run.status = gravest(run);
    return run;
}

void hold_offscreen_to_expectation(OffscreenRun* run, std::int32_t at_least) {
    run->expected = at_least;
    if (run->unavailable != nullptr || at_least <= 0) return;
    for (OffscreenResult& r : run->results) {
        r.expectation.at_least = at_least;
        if (r.made && r.asked >= at_least)
            r.expectation = hold_to_expectation(
                at_least, picture::samples_in_effect(r.samples, r.judged.right), &r.status);
    }
    // No count asked of a kind whose limit is below at_least reaches it: its last row stands for
    // the kind. Made, it is held to what it shows; refused, nothing it could have takes effect.
    for (const KindLimits& k : run->kinds) {
        if (k.unavailable != nullptr || k.limit >= at_least) continue;
        const auto last = std::find_if(run->results.rbegin(), run->results.rend(),
                                       [&](const OffscreenResult& r) { return r.kind == k.kind; });
        if (last == run->results.rend() || (last->made && last->asked >= at_least)) continue;  // held above
        last->expectation = hold_to_expectation(
            at_least, last->made ? picture::samples_in_effect(last->samples, last->judged.right) : 0,
            &last->status);
    }
    run->status = gravest(*run);
}

void offscreen_expectation_line(const OffscreenRun& run, char* out, std::size_t size) {
    if (size == 0) return;
    out[0] = '\0';
    if (run.unavailable != nullptr || run.expected <= 0) return;
    std::string short_of;
    for (const KindLimits& k : run.kinds) {
        if (k.unavailable != nullptr || k.limit >= run.expected) continue;
        short_of += short_of.empty() ? std::string(kind_name(k.kind)) + "s offer"
                                     : std::string(" and ") + kind_name(k.kind) + "s";
        short_of += " at most " + std::to_string(k.limit);
    }
    if (short_of.empty()) return;
    std::snprintf(out, size, "Expected: at least %d %s, but %s", run.expected,
                  run.expected == 1 ? "sample" : "samples", short_of.c_str());
}

}  // namespace jaggo::verdict
