// jaggo verdict: the judged window, from its opening to the verdict.
#include "verdict/judge_window.h"

#include <GLFW/glfw3.h>

#include <cstdio>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/report.h"
#include "app/scene.h"
#include "app/scene_layout.h"
#include "app/start.h"
#include "gl_loader/gl.h"
#include "platform/pixel_format.h"
#include "platform/presented_picture.h"
#include "platform/settled_size.h"
#include "verdict/read_samples.h"

namespace jaggo::verdict {

using namespace gl;

namespace {

std::optional<std::string> gl_string(GLenum name) {
    const GLubyte* text = glGetString(name);
    if (text == nullptr) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(text));
}

// The bits each colour channel of the window's framebuffer stores, as its context says them: a
// 16-bit framebuffer's picture is read at its 5/6/5 bits, not at the 8 of the read-back.
picture::Precision framebuffer_precision() {
    GLint red = 0;
    GLint green = 0;
    GLint blue = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    return {red, green, blue};
}

// Reads what the window shows of the judged frame, just swapped, into the second half of pixels,
// and holds it against the frame as drawn: edges that differ there make the verdict a
// contradiction that names the presentation.
void read_and_judge_presented(GLFWwindow* window, int claimed, const picture::Image& drawn,
                              const picture::OtherFrames& others, Pixels* pixels, WindowResult* result) {
    if (drawn.pixels == nullptr || result->judged.why_not_as_drawn != nullptr) {
        result->presented =
            picture::presented_not_readable("the drawn picture does not show the scene whole");
        return;
    }
    std::uint8_t* shown = pixels->data() + picture_bytes(drawn.width, drawn.height);
    char why[200];
    glFinish();  // the swap's commands, carried out
    if (!read_presented_picture(window, drawn.width, drawn.height, shown, why, sizeof why)) {
        result->presented = picture::presented_not_readable(why);
        return;
    }
    result->shown_read = true;
    const picture::Image image{shown, drawn.width, drawn.height};
    result->presented =
        picture::judge_presented(image, drawn, result->judged, scene_geometry, claimed, &others);
    result->judged.conclusion = picture::with_presentation(result->judged.conclusion, result->presented);
}

// Reads the judged frame's samples one by one, before it is swapped; where they could be read, they
// and not the grey levels give the verdict.
void read_and_judge_samples(int width, int height, int claimed, Pixels* pixels, WindowResult* result) {
    SampleSource source;
    source.width = width;
    source.height = height;
    source.reported = claimed;
    source.precision = result->judged.precision;
    result->samples = read_samples(source, judged_degrees, result->judged.right.samples, pixels);
    if (result->samples.readable) result->judged.conclusion = picture::judge_samples(result->samples);
}

// Judges the window, whose context is current and whose scene is built: reads what the context
// reports, draws frames with the squares at judged_degrees, reads the first one that can be judged
// back before it is swapped and judges it (the first frame, unless the framebuffer has not settled
// or its picture is not whole, as after a resize the surface has not taken yet): by its samples, read
// one by one, or where they cannot be read, by its grey levels read together with frames turned a
// little less in the same back buffer. Then presents that frame, reads and judges what the window
// shows of it, and sets the clock so that the squares turn on from it.
void judge_window(GLFWwindow* window, Pixels* pixels, WindowResult* result) {
    result->configuration = chosen_pixel_format;
    GLint claimed = 0;
    glGetIntegerv(GL_SAMPLES, &claimed);
    result->claimed = claimed;
    const picture::Precision precision = framebuffer_precision();
    result->vendor = gl_string(GL_VENDOR);
    result->renderer = gl_string(GL_RENDERER);
    result->version = gl_string(GL_VERSION);
    result->glsl = gl_string(GL_SHADING_LANGUAGE_VERSION);

    // The first frame is judged unless the window's framebuffer has not settled at the size the
    // window keeps, or its picture does not show the scene whole: a compositor on a scaled output
    // gives a Wayland surface its scale only once it has shown a frame of it, and a window manager
    // or compositor may resize a new window (a tiling one, a kiosk shell) before its first frame,
    // which a Wayland surface takes only with its next buffer. Such a frame is presented and the
    // next one judged, up to a bound; the last one's reason stands. Elsewhere the first frame is
    // read before any swap, which a compositor that does not show the window yet could hold up.
    const double seconds = judged_degrees / scene::degrees_per_second;
    picture::Image drawn{};
    picture::OtherFrames others{};
    for (int frame = 0; frame < max_judged_frames; ++frame) {
        if (glfwWindowShouldClose(window)) {
            result->judged = {};
            result->pictured = false;
            result->judged.conclusion = picture::cannot_judge("the window was closed before it was judged");
            break;
        }
        const bool settled = framebuffer_settled(window, frame) || frame == max_judged_frames - 1;
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window, &width, &height);
        if (settled) {
            // Room for the drawn picture and, after it, the presented one: one block for both.
            const std::size_t size = picture_bytes(width, height);
            if (pixels->size() < 2 * size) pixels->resize(2 * size);
        }
        draw_scene(width, height, seconds);
        if (settled) {
            picture::Image image{};
            const char* why = read_back(width, height, pixels, &image);
            if (why == nullptr) {
                result->judged =
                    picture::judge_picture(image, scene_geometry, claimed, "the context", precision);
                if (result->judged.why_not_as_drawn == nullptr) {
                    read_and_judge_samples(width, height, claimed, pixels, result);
                    if (!result->samples.readable) {
                        // Without the samples, the verdict rests on the grey levels, read with other frames'.
                        why = read_other_frames(0, width, height, pixels, &others, precision);
                        image.pixels = pixels->data();
                        if (why == nullptr) {
                            result->judged = picture::judge_picture(
                                image, scene_geometry, claimed, "the context", precision, nullptr, &others);
                        }
                    }
                }
            }
            if (why != nullptr) {
                // An earlier frame's readings are not what this verdict stands on: none are shown.
                result->judged = {};
                result->pictured = false;
                result->judged.conclusion = picture::cannot_judge(why);
                drawn = {};
                break;
            }
            drawn = image;
            result->pictured = true;
            if (result->judged.why_not_as_drawn == nullptr) break;
            result->samples = picture::samples_not_readable(picture_not_whole);
        }
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    glfwSwapBuffers(window);
    result->width = drawn.width;
    result->height = drawn.height;
    if (result->pictured) read_and_judge_presented(window, claimed, drawn, others, pixels, result);
    result->status = status_of(result->judged.conclusion.outcome);
    glfwSetTime(seconds);
}

void keep_extension(const char* name, int length, void* data) {
    static_cast<std::vector<std::string>*>(data)->emplace_back(name, static_cast<std::size_t>(length));
}

}  // namespace

const char* read_other_frames(unsigned framebuffer, int width, int height, Pixels* pixels,
                              picture::OtherFrames* others, const picture::Precision& precision) {
    *others = {};
    const char* why = nullptr;
    for (const double turn : picture::other_frame_turns) {
        draw_scene(width, height, (judged_degrees + turn) / scene::degrees_per_second);
        picture::Image image{};
        why = framebuffer == 0 ? read_back(width, height, pixels, &image, 1)
                               : read_back_framebuffer(framebuffer, width, height, pixels, &image, 1);
        if (framebuffer != 0) glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        if (why != nullptr) break;
        picture::add_other_frame(image, scene_geometry, others, precision);
    }
    draw_scene(width, height, judged_degrees / scene::degrees_per_second);
    return why;
}

GLFWwindow* open_and_judge(std::int32_t asked, bool report, Pixels* pixels, WindowResult* result) {
    *result = {};
    result->asked = asked;
    forget_errors();
    if (report) print_request(asked);
    GLFWwindow* window = open_window(asked, first_missing_read_back_entry_point);
    if (window == nullptr) {
        could_not_open(result);
        return nullptr;
    }
    result->platform = platform_names(window);
    result->attributes = configuration_attributes(window, chosen_pixel_format);
    if (list_extensions != 0) {
        result->extensions.emplace();
        visit_extensions(keep_extension, &*result->extensions);
    }
    if (report) {
        print_context_report();
        std::fflush(stdout);
    }
    if (!build_scene()) {
        glfwDestroyWindow(window);
        could_not_open(result);
        return nullptr;
    }
    result->opened = true;
    judge_window(window, pixels, result);
    return window;
}

void could_not_open(WindowResult* result) {
    if (result->platform.glfw == nullptr) result->platform = platform_names(nullptr);
    if (result->error.empty()) result->error = last_error();
    result->opened = false;
    result->pictured = false;
    result->judged = {};
    result->judged.conclusion =
        picture::cannot_judge("the window or its context could not be made (see the Error: line)");
    result->status = failed;
}

}  // namespace jaggo::verdict
