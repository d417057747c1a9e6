// jaggo verdict: the judged frame, from the context's claim to the verdict.
#include "verdict/judge_window.h"

#include <GLFW/glfw3.h>

#include "app/pixel_format.h"
#include "app/scene.h"
#include "app/scene_layout.h"
#include "gl_loader/gl.h"
#include "verdict/read_back.h"

namespace jaggo::verdict {

using namespace gl;

namespace {

std::optional<std::string> gl_string(GLenum name) {
    const GLubyte* text = glGetString(name);
    if (text == nullptr) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(text));
}

}  // namespace

void judge_window(GLFWwindow* window, WindowResult* result) {
    result->opened = true;
    result->configuration = chosen_pixel_format;
    GLint claimed = 0;
    glGetIntegerv(GL_SAMPLES, &claimed);
    result->claimed = claimed;
    result->vendor = gl_string(GL_VENDOR);
    result->renderer = gl_string(GL_RENDERER);
    result->version = gl_string(GL_VERSION);
    result->glsl = gl_string(GL_SHADING_LANGUAGE_VERSION);

    // The first frame is judged unless its picture does not show the scene whole: a window manager
    // or compositor may resize a new window (a tiling one, a kiosk shell, a scaled output) before
    // its first frame, and a Wayland surface takes the new size only with its next buffer. Such a
    // frame is presented and the next one judged, up to a bound; the last one's reason stands.
    // The first frame is read before any swap, which a compositor that does not show the window
    // yet could hold up.
    const double seconds = judged_degrees / scene::degrees_per_second;
    for (int frame = 0; frame < max_judged_frames; ++frame) {
        if (glfwWindowShouldClose(window)) {
            result->judged = {};
            result->pictured = false;
            result->judged.verdict = picture::unmade("the window was closed before it was judged");
            break;
        }
        int width = 0;
        int height = 0;
        glfwGetFramebufferSize(window, &width, &height);
        draw_scene(width, height, seconds);
        picture::Image image{};
        if (const char* why = read_back(width, height, &image)) {
            result->judged.verdict = picture::unmade(why);
            break;
        }
        result->judged = picture::judge_picture(image, claimed);
        result->pictured = true;
        if (result->judged.not_drawn == nullptr) break;
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    result->status = result->judged.verdict.status;
    glfwSwapBuffers(window);
    glfwSetTime(seconds);
}

void could_not_open(WindowResult* result) {
    result->judged.verdict =
        picture::unmade("the window or its context could not be made (see the Error: line)");
    result->status = 1;
}

}  // namespace jaggo::verdict
