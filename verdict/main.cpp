// jaggo verdict: the judging program's entry, jaggo-verdict. It runs as jaggo does (the request line,
// the report, the turning squares, Space and Escape) and judges its own framebuffer: the samples
// that its squares' edges show, held against what the context reports; with -o, multisampled
// renderbuffers and textures too, with or without a display.
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/finish.h"
#include "app/scene.h"
#include "platform/egl_offscreen.h"
#include "verdict/judge_window.h"
#include "verdict/options.h"
#include "verdict/pictures.h"
#include "verdict/print_json.h"
#include "verdict/print_lines.h"
#include "verdict/run_offscreen.h"
#include "verdict/status.h"
#include "verdict/sweep.h"
#include "verdict/usage.h"

int main(int argc, char** argv) {
    using namespace jaggo;

    verdict::Settings settings;
    switch (verdict::read_options(argc, argv, &settings)) {
    case verdict::Request::help:
        verdict::print_usage(stdout);
        std::exit(verdict::agrees);
    case verdict::Request::version:
        verdict::print_version();
        std::exit(verdict::agrees);
    case verdict::Request::usage_error:
        verdict::print_usage(stderr);
        std::exit(verdict::usage_error);
    case verdict::Request::run:
        break;
    }

    // With -p, the folder the pictures go into, each object's as soon as it is judged; said last.
    verdict::PictureFolder folder;
    folder.path = settings.pictures;
    verdict::PictureFolder* pictures = settings.pictures.empty() ? nullptr : &folder;
    const auto end_pictures = [&](verdict::Status status) {
        if (pictures == nullptr) return status;
        verdict::report_pictures(folder, !settings.json);
        return folder.error.empty() ? status : verdict::graver(status, verdict::failed);
    };

    // Without a display, -o judges in a context of its own and tries no window (nor GLFW, whose
    // error would say only that there is no display).
    if (settings.offscreen && no_display_server()) {
        std::exit(end_pictures(
            verdict::judge_offscreen_without_display(settings.json, settings.expected, pictures)));
    }

    glfwSetErrorCallback(error_callback);
    if (!glfwInit()) {
        // No window system to run on: a script reading JSON still gets its one object.
        if (settings.json) {
            verdict::WindowResult result;
            result.asked = samples;
            result.platform.glfw = glfwGetVersionString();
            result.expectation.at_least = settings.expected;
            verdict::could_not_open(&result);
            if (pictures != nullptr) result.pictures.emplace();
            verdict::print_json(result);
        }
        // With -o the objects are still judged, as without a display: a DISPLAY inherited by a
        // container may name a server long gone. Their status is then the run's.
        std::exit(end_pictures(settings.offscreen ? verdict::judge_offscreen_without_display(
                                                        settings.json, settings.expected, pictures)
                                                  : verdict::failed));
    }
    if (settings.all) {
        verdict::OffscreenRun run =
            verdict::not_judged("the first window's context, to judge them in, could not be made");
        verdict::Status status = verdict::sweep(settings, settings.offscreen ? &run : nullptr, pictures);
        if (settings.offscreen) {
            verdict::hold_offscreen_to_expectation(&run, settings.expected);
            verdict::print_offscreen(run, settings.json);
            status = verdict::graver(status, run.status);
        }
        glfwTerminate();
        std::exit(end_pictures(status));
    }

    verdict::Pixels pixels;
    verdict::WindowResult result;
    GLFWwindow* window = verdict::open_and_judge(samples, !settings.json, &pixels, &result);
    result.expectation = verdict::hold_to_expectation(
        settings.expected, picture::samples_in_effect(result.samples, result.judged.right), &result.status);
    // The lines never wait for a file; a JSON object waits, to carry its files and final status.
    if (settings.json) {
        if (pictures != nullptr) verdict::write_window_pictures(pixels, pictures, &result);
        verdict::print_json(result);
    } else {
        if (window != nullptr) verdict::print_lines(result);
        if (pictures != nullptr) verdict::write_window_pictures(pixels, pictures, &result);
    }
    if (window == nullptr) {
        glfwTerminate();
        // Without a window, -o judges the objects as without a display; their status is the run's.
        std::exit(end_pictures(settings.offscreen ? verdict::judge_offscreen_without_display(
                                                        settings.json, settings.expected, pictures)
                                                  : result.status));
    }
    verdict::Status status = result.status;
    if (settings.offscreen) {
        verdict::OffscreenRun run = verdict::judge_offscreen_in_window(&pixels, pictures);
        run.platform = result.platform;
        verdict::hold_offscreen_to_expectation(&run, settings.expected);
        verdict::print_offscreen(run, settings.json);
        status = verdict::graver(status, run.status);
    }
    status = end_pictures(status);
    verdict::Pixels().swap(pixels);  // the frames after the judged ones read nothing back
    verdict::show_in_title(window, result);

    while (!settings.quit && !glfwWindowShouldClose(window)) {
        draw_frame(window);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    finish(window, status);
}
