// jaggo app: the request line, and the window opened with its context ready for the scene.
#include "app/start.h"

#include <GLFW/glfw3.h>

#include <cstdio>

#include "app/callbacks.h"
#include "app/required_gl.h"
#include "app/scene_layout.h"
#include "gl_loader/gl.h"
#include "platform/pixel_format.h"

namespace jaggo {

void print_request(std::int32_t samples) {
    if (samples != 0) {
        std::printf("Requesting MSAA with %i samples\n", samples);
    } else {
        std::printf("Requesting that MSAA not be available\n");
    }
    std::fflush(stdout);
}

bool load_entry_points(gl::GLQueryFn query, const char* (*first_missing)()) {
    const gl::GLLoadResult loaded = gl::load_gl(query);
    // Without a version string the loader resolves nothing beyond glGetString:
    // say that, rather than naming the first entry point it left null. (A
    // context that lists no extensions still draws.)
    if (loaded.status == gl::GLLoadStatus::no_version) {
        report_error("The OpenGL context reported no version");
        return false;
    }
    // A context below 2.0 or a broken driver can leave an entry point we call
    // unresolved: say which, rather than calling through a null pointer.
    const char* missing = first_missing_entry_point();
    if (missing == nullptr && first_missing != nullptr) missing = first_missing();
    if (missing != nullptr) {
        char text[128];
        std::snprintf(text, sizeof text, "OpenGL entry point %s is missing", missing);
        report_error(text);
        return false;
    }
    return true;
}

GLFWwindow* open_window(std::int32_t samples, const char* (*first_missing)()) {
    glfwWindowHint(GLFW_SAMPLES, samples);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window =
        glfwCreateWindow(scene::window_width, scene::window_height, scene::window_title, nullptr, nullptr);
    if (window == nullptr) return nullptr;

    glfwSetKeyCallback(window, key_callback);
    glfwMakeContextCurrent(window);
    read_chosen_pixel_format(window);
    if (!load_entry_points(glfwGetProcAddress, first_missing)) {
        glfwDestroyWindow(window);
        return nullptr;
    }
    glfwSwapInterval(1);
    return window;
}

}  // namespace jaggo
