// jaggo app: the program entry.
// Reads the options, opens the window, reports on its context, runs the frame loop.
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/finish.h"
#include "app/report.h"
#include "app/scene.h"
#include "app/start.h"
#include "app/usage.h"
#include "options/getopt.h"

int main(int argc, char** argv) {
    using namespace jaggo;

    samples = default_samples;
    for (std::int32_t c; (c = opt::getopt(argc, argv, shared_options)) != -1;) {
        if (take_shared_option(c, opt::optarg)) continue;
        print_usage();
        std::exit(c == 'h' ? 0 : 1);
    }

    glfwSetErrorCallback(error_callback);
    if (!glfwInit()) std::exit(1);

    print_request(samples);
    GLFWwindow* window = open_window(samples);
    if (window == nullptr) {
        glfwTerminate();
        std::exit(1);
    }

    print_context_report();
    std::fflush(stdout);
    if (!build_scene()) fail_with_window(window);

    while (!glfwWindowShouldClose(window)) {
        draw_frame(window);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    finish(window, 0);
}
