// jaggo app: the program entry.
// Reads the options, opens the window, reports on its context, runs the frame loop.
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/display_lost.h"
#include "app/pixel_format.h"
#include "app/report.h"
#include "app/required_gl.h"
#include "app/scene.h"
#include "app/usage.h"
#include "gl_loader/gl.h"
#include "options/getopt.h"

namespace {

// Ends a run whose window exists but whose context or display cannot be
// used: the reason is already on standard error.
[[noreturn]] void fail_with_window(GLFWwindow* window) {
    glfwDestroyWindow(window);
    glfwTerminate();
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace jaggo;

    samples = 4;
    for (std::int32_t c; (c = opt::getopt(argc, argv, "xhs:")) != -1;) {
        switch (c) {
        case 'h':
            print_usage();
            std::exit(0);
        case 's':
            samples = parse_samples(opt::optarg);
            break;
        case 'x':
            list_extensions = 1;
            break;
        default:
            print_usage();
            std::exit(1);
        }
    }

    glfwSetErrorCallback(error_callback);
    if (!glfwInit()) std::exit(1);

    if (samples != 0) {
        std::printf("Requesting MSAA with %i samples\n", samples);
    } else {
        std::printf("Requesting that MSAA not be available\n");
    }
    std::fflush(stdout);

    glfwWindowHint(GLFW_SAMPLES, samples);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(800, 400, "Jaggoscope", nullptr, nullptr);
    if (window == nullptr) {
        glfwTerminate();
        std::exit(1);
    }

    glfwSetKeyCallback(window, key_callback);
    glfwMakeContextCurrent(window);
    read_chosen_pixel_format(window);
    const gl::GLLoadResult loaded = gl::load_gl(glfwGetProcAddress);
    glfwSwapInterval(1);

    // Without a version string the loader resolves nothing beyond glGetString:
    // say that, rather than naming the first entry point it left null. (A
    // context that lists no extensions still draws.)
    if (loaded.status == gl::GLLoadStatus::no_version) {
        std::fprintf(stderr, "Error: The OpenGL context reported no version\n");
        fail_with_window(window);
    }
    // A context below 2.0 or a broken driver can leave an entry point we call
    // unresolved: say which, rather than calling through a null pointer.
    if (const char* missing = first_missing_entry_point()) {
        std::fprintf(stderr, "Error: OpenGL entry point %s is missing\n", missing);
        fail_with_window(window);
    }

    print_context_report();
    std::fflush(stdout);
    if (!build_scene()) fail_with_window(window);

    while (!glfwWindowShouldClose(window)) {
        draw_frame(window);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    // A display that went away ends the loop too: that is no clean end.
    char lost[256] = "";
    if (display_connection_lost(lost, sizeof lost)) {
        std::fprintf(stderr, "Error: The Wayland connection was lost: %s\n", lost);
        fail_with_window(window);
    }

    glfwDestroyWindow(window);
    glfwTerminate();
    std::exit(0);
}
