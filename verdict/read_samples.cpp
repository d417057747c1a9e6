// jaggo verdict: the colour buffer copied into a multisampled texture, and each of its samples drawn
// into a single-sampled target, read back and fed to the analysis.
#include "verdict/read_samples.h"

#include <algorithm>
#include <cstdio>

#include "gl_loader/gl.h"
#include "verdict/judge_window.h"

namespace jaggo::verdict {

using namespace gl;

namespace {

// A triangle that covers the target, from the vertex's number alone: no buffer is read.
constexpr const GLchar* vertex_text =
    "#version 150\n"
    "void main()\n"
    "{\n"
    "    gl_Position = vec4(float((gl_VertexID & 1) * 4 - 1), float((gl_VertexID & 2) * 2 - 1), 0.0, 1.0);\n"
    "}\n";

// The one sample that the uniform names of each texel, from the box of the texture at origin.
constexpr const GLchar* fragment_text =
    "#version 150\n"
    "uniform sampler2DMS picture;\n"
    "uniform int sample_index;\n"
    "uniform ivec2 origin;\n"
    "out vec4 colour;\n"
    "void main()\n"
    "{\n"
    "    colour = texelFetch(picture, origin + ivec2(gl_FragCoord.xy), sample_index);\n"
    "}\n";

const char* first_missing() {
    JAGGO_SAMPLES_GL(JAGGO_RETURN_IF_MISSING)
    return nullptr;
}

// What the reading changes, as it was before.
struct Saved {
    GLint draw_framebuffer, read_framebuffer, renderbuffer, active_texture, texture, program;
    GLint viewport[4];
    GLboolean srgb;
};

Saved save() {
    Saved s{};
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &s.draw_framebuffer);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &s.read_framebuffer);
    glGetIntegerv(GL_RENDERBUFFER_BINDING, &s.renderbuffer);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &s.active_texture);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D_MULTISAMPLE, &s.texture);
    glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
    glGetIntegerv(GL_VIEWPORT, s.viewport);
    s.srgb = glIsEnabled(GL_FRAMEBUFFER_SRGB);
    return s;
}

void restore(const Saved& s) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(s.draw_framebuffer));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(s.read_framebuffer));
    glBindRenderbuffer(GL_RENDERBUFFER, static_cast<GLuint>(s.renderbuffer));
    glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, static_cast<GLuint>(s.texture));
    glActiveTexture(static_cast<GLenum>(s.active_texture));
    glUseProgram(static_cast<GLuint>(s.program));
    glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    if (s.srgb) {
        glEnable(GL_FRAMEBUFFER_SRGB);
    } else {
        glDisable(GL_FRAMEBUFFER_SRGB);
    }
}

// The objects of one reading, deleted at its end (a name of 0 is ignored).
struct Objects {
    GLuint copies[2] = {};  // the texture of the reported count, and one of another count
    GLuint copy_framebuffer = 0, target_framebuffer = 0, target = 0;
    GLuint vertex_shader = 0, fragment_shader = 0, program = 0;

    ~Objects() {
        glDeleteTextures(2, copies);
        glDeleteFramebuffers(1, &copy_framebuffer);
        glDeleteFramebuffers(1, &target_framebuffer);
        glDeleteRenderbuffers(1, &target);
        if (program != 0) {
            glDetachShader(program, vertex_shader);
            glDetachShader(program, fragment_shader);
            glDeleteProgram(program);
        }
        if (vertex_shader != 0) glDeleteShader(vertex_shader);
        if (fragment_shader != 0) glDeleteShader(fragment_shader);
    }
};

// Why not, in words; kept for the findings, which copy it.
struct Why {
    char text[200] = "";
    const char* say(const char* what, GLenum error) {
        std::snprintf(text, sizeof text, "%s (%sGL error 0x%04X)", what,
                      error == GL_OUT_OF_MEMORY ? "out of memory, " : "", static_cast<unsigned>(error));
        return text;
    }
};

// The colour buffer's bits and encoding, as the framebuffer reports them.
struct ColourFormat {
    GLenum copy;    // the multisampled texture's internal format, matching the buffer's
    GLenum target;  // the single-sampled target's, which the stored values are read from
    bool srgb;
};

ColourFormat colour_format(GLuint framebuffer) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    const GLenum attachment = framebuffer == 0 ? GL_BACK_LEFT : GL_COLOR_ATTACHMENT0;
    GLint bits[4] = {};
    GLint encoding = GL_LINEAR;
    const GLenum names[4] = {GL_FRAMEBUFFER_ATTACHMENT_RED_SIZE, GL_FRAMEBUFFER_ATTACHMENT_GREEN_SIZE,
                             GL_FRAMEBUFFER_ATTACHMENT_BLUE_SIZE, GL_FRAMEBUFFER_ATTACHMENT_ALPHA_SIZE};
    for (int i = 0; i < 4; ++i) {
        glGetFramebufferAttachmentParameteriv(GL_READ_FRAMEBUFFER, attachment, names[i], &bits[i]);
    }
    glGetFramebufferAttachmentParameteriv(GL_READ_FRAMEBUFFER, attachment,
                                          GL_FRAMEBUFFER_ATTACHMENT_COLOR_ENCODING, &encoding);
    const bool alpha = bits[3] > 0;
    const bool srgb = encoding == GL_SRGB;
    // An sRGB buffer's samples are copied and read as stored: decoded by the texture and encoded
    // again by the target, which round-trips every 8-bit value.
    if (srgb) return {alpha ? GL_SRGB8_ALPHA8 : GL_SRGB8, GL_SRGB8_ALPHA8, true};
    GLenum copy = alpha ? GL_RGBA8 : GL_RGB8;
    if (bits[0] == 10 && bits[1] == 10 && bits[2] == 10) copy = GL_RGB10_A2;
    if (bits[0] == 5 && bits[1] == 6 && bits[2] == 5) copy = GL_RGB5;
    if (bits[0] == 16) copy = alpha ? GL_RGBA16 : GL_RGB16;
    return {copy, GL_RGBA8, false};
}

// A multisampled texture of that count and format, of width x height; 0 samples where the driver
// made no storage. Returns the error the driver answered with.
GLenum make_texture(GLuint texture, int count, GLenum format, int width, int height, GLint* granted) {
    glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, texture);
    glTexImage2DMultisample(GL_TEXTURE_2D_MULTISAMPLE, count, format, width, height, GL_TRUE);
    const GLenum error = glGetError();
    GLint made_width = 0;
    *granted = 0;
    if (error == GL_NO_ERROR) {
        glGetTexLevelParameteriv(GL_TEXTURE_2D_MULTISAMPLE, 0, GL_TEXTURE_WIDTH, &made_width);
        if (made_width > 0)
            glGetTexLevelParameteriv(GL_TEXTURE_2D_MULTISAMPLE, 0, GL_TEXTURE_SAMPLES, granted);
    }
    return error;
}

// Where the squares' boxes lie: in the frame, and side by side in the texture they are copied into,
// the right one at its left edge and the left one from left_x.
struct Boxes {
    picture::Box right, left;
    int left_x;         // in the texture
    int width, height;  // the texture's
};

// The squares' boxes of the source's colour buffer copied into the texture, side by side, through the
// copy framebuffer: a copy between multisampled buffers needs rectangles of the same size only.
// Both are copied before any sample is read, as a copy after a draw that reads the texture can take
// a driver much longer. Returns the error the driver answered with; incomplete is set where the
// framebuffer with it was incomplete.
GLenum copy_into(GLuint texture, const SampleSource& source, const Boxes& boxes, GLuint copy_framebuffer,
                 GLenum* incomplete) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, copy_framebuffer);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D_MULTISAMPLE, texture, 0);
    *incomplete = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER);
    if (*incomplete != GL_FRAMEBUFFER_COMPLETE) return glGetError();
    *incomplete = 0;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, source.framebuffer);
    const picture::Box& r = boxes.right;
    glBlitFramebuffer(r.x, r.y, r.x + r.width, r.y + r.height, 0, 0, r.width, r.height, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    if (const GLenum error = glGetError(); error != GL_NO_ERROR) return error;
    const picture::Box& l = boxes.left;
    glBlitFramebuffer(l.x, l.y, l.x + l.width, l.y + l.height, boxes.left_x, 0, boxes.left_x + l.width,
                      l.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    return glGetError();
}

// Copies the boxes of the source's colour buffer into a texture of its reported count; where that
// copy is refused, tries the other counts a texture may have and names in *copies_at the one that
// takes it. Returns why not, or nullptr with *texture holding the samples and *count their number.
const char* copy_colour_buffer(const SampleSource& source, const Boxes& boxes, Objects* o, GLuint* texture,
                               int* count, int* copies_at, ColourFormat* format, Why* why) {
    *format = colour_format(source.framebuffer);
    GLint max_texture_samples = 0;
    glGetIntegerv(GL_MAX_COLOR_TEXTURE_SAMPLES, &max_texture_samples);
    if (source.reported > max_texture_samples) {
        std::snprintf(
            why->text, sizeof why->text,
            "%d samples are more than a multisampled texture holds here (GL_MAX_COLOR_TEXTURE_SAMPLES %d)",
            source.reported, max_texture_samples);
        return why->text;
    }
    glGenTextures(2, o->copies);
    glGenFramebuffers(1, &o->copy_framebuffer);
    GLint granted = 0;
    GLenum error =
        make_texture(o->copies[0], source.reported, format->copy, boxes.width, boxes.height, &granted);
    if (error != GL_NO_ERROR)
        return why->say("the driver refused a multisampled texture to copy the samples into", error);
    if (granted == 0) return "the driver made no storage for a multisampled texture to copy the samples into";
    GLenum incomplete = 0;
    error = copy_into(o->copies[0], source, boxes, o->copy_framebuffer, &incomplete);
    if (incomplete != 0) {
        std::snprintf(why->text, sizeof why->text,
                      "the framebuffer with a multisampled texture is incomplete (status 0x%04X)",
                      incomplete);
        return why->text;
    }
    if (error == GL_NO_ERROR) {
        *texture = o->copies[0];
        *count = granted;
        return nullptr;
    }
    const GLenum refused = error;
    // A copy is refused between different counts; where the texture has the count reported and
    // another count takes the copy, the buffer holds that other count.
    if (granted == source.reported) {
        for (int other = 2; other <= max_texture_samples && other <= picture::max_samples; ++other) {
            if (other == source.reported) continue;
            glDeleteTextures(1, &o->copies[1]);
            glGenTextures(1, &o->copies[1]);
            GLint other_granted = 0;
            if (make_texture(o->copies[1], other, format->copy, boxes.width, boxes.height, &other_granted) !=
                    GL_NO_ERROR ||
                other_granted != other) {
                continue;
            }
            if (copy_into(o->copies[1], source, boxes, o->copy_framebuffer, &incomplete) == GL_NO_ERROR &&
                incomplete == 0) {
                *texture = o->copies[1];
                *count = other;
                *copies_at = other;
                return nullptr;
            }
        }
    }
    return why->say("the driver refused to copy the colour buffer into a multisampled texture", refused);
}

bool compile(GLuint* shader, GLenum type, const GLchar* text) {
    *shader = glCreateShader(type);
    glShaderSource(*shader, 1, &text, nullptr);
    glCompileShader(*shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(*shader, GL_COMPILE_STATUS, &compiled);
    return compiled != GL_FALSE;
}

// The program that draws one sample's picture; nullptr, or why not.
const char* build_program(Objects* o, GLint* sample_location, GLint* origin_location) {
    const bool compiled = compile(&o->vertex_shader, GL_VERTEX_SHADER, vertex_text) &&
                          compile(&o->fragment_shader, GL_FRAGMENT_SHADER, fragment_text);
    if (!compiled) return "the driver did not compile the shader that reads one sample (GLSL 1.50)";
    o->program = glCreateProgram();
    glAttachShader(o->program, o->vertex_shader);
    glAttachShader(o->program, o->fragment_shader);
    glLinkProgram(o->program);
    GLint linked = GL_FALSE;
    glGetProgramiv(o->program, GL_LINK_STATUS, &linked);
    if (linked == GL_FALSE) return "the driver did not link the shader that reads one sample";
    glUseProgram(o->program);
    glUniform1i(glGetUniformLocation(o->program, "picture"), 0);
    *sample_location = glGetUniformLocation(o->program, "sample_index");
    *origin_location = glGetUniformLocation(o->program, "origin");
    return nullptr;
}

// The program and the single-sampled target, of width x height, that each sample is drawn into,
// bound; nullptr, or why not.
const char* prepare_target(int width, int height, const ColourFormat& format, Objects* o,
                           GLint* sample_location, GLint* origin_location, Why* why) {
    if (const char* failed = build_program(o, sample_location, origin_location)) return failed;
    glGenRenderbuffers(1, &o->target);
    glBindRenderbuffer(GL_RENDERBUFFER, o->target);
    glRenderbufferStorage(GL_RENDERBUFFER, format.target, width, height);
    glGenFramebuffers(1, &o->target_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, o->target_framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, o->target);
    if (const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER); status != GL_FRAMEBUFFER_COMPLETE) {
        std::snprintf(why->text, sizeof why->text,
                      "the framebuffer to draw each sample into is incomplete (status 0x%04X)", status);
        return why->text;
    }
    if (format.srgb) {
        glEnable(GL_FRAMEBUFFER_SRGB);
    } else {
        glDisable(GL_FRAMEBUFFER_SRGB);
    }
    return nullptr;
}

// Draws each of count samples of a box of the texture, from origin, into the target, reads it into
// the second picture of pixels and feeds it to the analysis: as the right box's or the left's.
const char* read_box(GLuint texture, int count, const picture::Box& box, int origin_x, int origin_y,
                     bool left, const SampleSource& source, const Objects& o, GLint sample_location,
                     GLint origin_location, Pixels* pixels, picture::SampleAccumulator* samples, Why* why) {
    glBindFramebuffer(GL_FRAMEBUFFER, o.target_framebuffer);
    glBindTexture(GL_TEXTURE_2D_MULTISAMPLE, texture);
    glViewport(0, 0, box.width, box.height);
    glUniform2i(origin_location, origin_x, origin_y);
    std::uint8_t* picture = pixels->data() + picture_bytes(source.width, source.height);
    glUniform1i(sample_location, 0);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    for (int i = 0; i < count; ++i) {
        glReadPixels(0, 0, box.width, box.height, GL_RGBA, GL_UNSIGNED_BYTE, picture);
        if (const GLenum error = glGetError(); error != GL_NO_ERROR) {
            return why->say("the driver refused to draw or read one sample's picture", error);
        }
        // The next sample is drawn while this one is analysed.
        if (i + 1 < count) {
            glUniform1i(sample_location, i + 1);
            glDrawArrays(GL_TRIANGLES, 0, 3);
            glFlush();
        }
        const picture::Image image{picture, box.width, box.height};
        if (left) {
            picture::add_left_sample(samples, image);
        } else {
            picture::add_sample(samples, image);
        }
    }
    return nullptr;
}

// The positions the driver reports for the source's samples, with its framebuffer bound for drawing
// (a single-sampled binding answers the pixel's centre); false where it answers none.
bool reported_positions(const SampleSource& source, int count, picture::SamplePosition* at) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, source.framebuffer);
    for (int i = 0; i < count; ++i) {
        GLfloat position[2] = {-1.0f, -1.0f};
        glGetMultisamplefv(GL_SAMPLE_POSITION, static_cast<GLuint>(i), position);
        at[i] = {position[0], position[1]};
    }
    return glGetError() == GL_NO_ERROR;
}

}  // namespace

picture::SampleFindings read_samples(const SampleSource& source, double degrees, int level_samples,
                                     Pixels* pixels) {
    if (source.reported <= 1) return picture::single_sample();
    if (gl_version_3_2 == 0) {
        return picture::samples_not_readable(
            "this context is older than OpenGL 3.2, which copies samples into textures");
    }
    if (const char* missing = first_missing()) {
        char why[120];
        std::snprintf(why, sizeof why, "OpenGL entry point %s is missing", missing);
        return picture::samples_not_readable(why);
    }
    if (source.reported > picture::max_samples) {
        return picture::samples_not_readable("more samples than the analysis tells apart");
    }
    if (pixels->size() < 2 * picture_bytes(source.width, source.height)) {
        pixels->resize(2 * picture_bytes(source.width, source.height));
    }
    const Saved saved = save();
    clear_errors();
    Why why;
    const char* failed = nullptr;
    picture::SampleFindings findings;
    {
        Objects objects;
        GLuint texture = source.texture;
        int count = source.reported;
        int copies_at = 0;
        ColourFormat format{GL_RGBA8, GL_RGBA8, false};
        picture::SamplePosition at[picture::max_samples];
        bool positions = reported_positions(source, source.reported, at);
        // Only the squares' boxes are read, each sample's right box and then its left one, through a
        // target of a box's size.
        picture::SampleAccumulator samples;
        picture::start_samples(&samples, source.width, source.height,
                               picture::right_square(source.width, source.height, scene_geometry, degrees));
        Boxes boxes{samples.right_box, samples.left_box, 0, 0, 0};
        const int width = std::max(boxes.right.width, boxes.left.width);
        const int height = std::max(boxes.right.height, boxes.left.height);
        boxes.left_x = width;
        boxes.width = 2 * width;
        boxes.height = height;
        // A texture of the object's own is read where its boxes lie.
        int right_x = boxes.right.x, right_y = boxes.right.y, left_x = boxes.left.x, left_y = boxes.left.y;
        if (texture == 0) {
            failed = copy_colour_buffer(source, boxes, &objects, &texture, &count, &copies_at, &format, &why);
            right_x = right_y = left_y = 0;
            left_x = boxes.left_x;
        }
        GLint sample_location = -1;
        GLint origin_location = -1;
        if (failed == nullptr)
            failed =
                prepare_target(width, height, format, &objects, &sample_location, &origin_location, &why);
        if (failed == nullptr) {
            failed = read_box(texture, count, boxes.right, right_x, right_y, false, source, objects,
                              sample_location, origin_location, pixels, &samples, &why);
        }
        if (failed == nullptr) {
            failed = read_box(texture, count, boxes.left, left_x, left_y, true, source, objects,
                              sample_location, origin_location, pixels, &samples, &why);
        }
        if (failed == nullptr) {
            const picture::Image resolve{pixels->data(), source.width, source.height};
            positions = positions && count == source.reported;
            findings = picture::find_samples(samples, resolve, source.reported, positions ? at : nullptr,
                                             level_samples, source.precision);
            findings.copies_at = copies_at;
        }
    }
    if (failed != nullptr) findings = picture::samples_not_readable(failed);
    clear_errors();
    restore(saved);
    return findings;
}

}  // namespace jaggo::verdict
