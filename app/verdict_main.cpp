// jaggo app: the judging program's entry, jaggo-verdict. It runs as jaggo does (the request line,
// the report, the turning squares, Space and Escape) and judges its own framebuffer: the samples
// that its squares' edges show, held against what the context reports.
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/report.h"
#include "app/scene.h"
#include "app/start.h"
#include "options/getopt.h"
#include "verdict/json.h"
#include "verdict/judge_window.h"
#include "verdict/lines.h"
#include "verdict/read_back.h"
#include "verdict/sweep.h"
#include "verdict/usage.h"

int main(int argc, char** argv) {
    using namespace jaggo;

    samples = 4;
    bool quit = false;
    bool all = false;
    bool json = false;
    for (std::int32_t c; (c = opt::getopt(argc, argv, verdict::option_string)) != -1;) {
        switch (c) {
        case 'h':
            verdict::print_usage();
            std::exit(0);
        case 's':
            samples = parse_samples(opt::optarg);
            break;
        case 'x':
            list_extensions = 1;
            break;
        case 'q':
            quit = true;
            break;
        case 'a':
            all = true;
            break;
        case 'j':
            json = true;
            break;
        default:
            verdict::print_usage();
            std::exit(1);
        }
    }

    glfwSetErrorCallback(error_callback);
    if (!glfwInit()) std::exit(1);
    if (all) {
        const int status = verdict::sweep(json);
        glfwTerminate();
        std::exit(status);
    }

    verdict::WindowResult result;
    result.asked = samples;
    if (!json) print_request(samples);
    GLFWwindow* window = open_window(samples, verdict::first_missing_read_back_entry_point);
    if (window == nullptr) {
        glfwTerminate();
        std::exit(1);
    }
    if (!json) {
        print_context_report();
        std::fflush(stdout);
    }
    if (!build_scene()) fail_with_window(window);

    verdict::judge_window(window, &result);
    verdict::release_pictures();
    if (json) {
        verdict::print_json(result);
    } else {
        verdict::print_lines(result);
    }
    verdict::show_in_title(window, result);

    while (!quit && !glfwWindowShouldClose(window)) {
        draw_frame(window);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    finish(window, result.status);
}
