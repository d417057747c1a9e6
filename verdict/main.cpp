// jaggo verdict: the judging program's entry, jaggo-verdict. It runs as jaggo does (the request line,
// the report, the turning squares, Space and Escape) and judges its own framebuffer: the samples
// that its squares' edges show, held against what the context reports.
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/finish.h"
#include "app/scene.h"
#include "options/getopt.h"
#include "platform/egl_offscreen.h"
#include "verdict/judge_window.h"
#include "verdict/print_json.h"
#include "verdict/print_lines.h"
#include "verdict/run_offscreen.h"
#include "verdict/status.h"
#include "verdict/sweep.h"
#include "verdict/usage.h"

int main(int argc, char** argv) {
    using namespace jaggo;

    samples = default_samples;
    bool quit = false;
    bool all = false;
    bool json = false;
    bool offscreen = false;
    for (std::int32_t c; (c = opt::getopt(argc, argv, verdict::option_string)) != -1;) {
        if (take_shared_option(c, opt::optarg)) continue;
        switch (c) {
        case 'q':
            quit = true;
            continue;
        case 'a':
            all = true;
            continue;
        case 'j':
            json = true;
            continue;
        case 'o':
            offscreen = true;
            continue;
        default:
            verdict::print_usage();
            std::exit(c == 'h' ? verdict::agrees : verdict::failed);
        }
    }

    // Without a display, -o judges in a context of its own and tries no window (nor GLFW, whose
    // error would say only that there is no display).
    if (offscreen && no_display_server()) std::exit(verdict::judge_offscreen_without_display(json));

    glfwSetErrorCallback(error_callback);
    if (!glfwInit()) std::exit(verdict::failed);
    if (all) {
        verdict::OffscreenRun run;
        run.unavailable = "the first window's context, to judge them in, could not be made";
        run.status = verdict::failed;
        int status = verdict::sweep(json, offscreen ? &run : nullptr);
        if (offscreen) {
            verdict::print_offscreen(run, json);
            status = verdict::graver(static_cast<verdict::Status>(status), run.status);
        }
        glfwTerminate();
        std::exit(status);
    }

    verdict::Pixels pixels;
    verdict::WindowResult result;
    GLFWwindow* window = verdict::open_and_judge(samples, !json, &pixels, &result);
    if (json) {
        verdict::print_json(result);
    } else if (window != nullptr) {
        verdict::print_lines(result);
    }
    if (window == nullptr) {
        glfwTerminate();
        std::exit(result.status);
    }
    verdict::Status status = result.status;
    if (offscreen) {
        const verdict::OffscreenRun run = verdict::judge_offscreen_in_window(&pixels);
        verdict::print_offscreen(run, json);
        status = verdict::graver(status, run.status);
    }
    verdict::Pixels().swap(pixels);  // the frames after the judged ones read nothing back
    verdict::show_in_title(window, result);

    while (!quit && !glfwWindowShouldClose(window)) {
        draw_frame(window);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    finish(window, status);
}
