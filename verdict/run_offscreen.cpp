// jaggo verdict: the offscreen block judged in the window's context or, without a display, in an EGL
// context made for it.
#include "verdict/run_offscreen.h"

#include <cstdio>
#include <cstdlib>

#include "app/callbacks.h"
#include "app/scene.h"
#include "app/start.h"
#include "platform/egl_offscreen.h"
#include "verdict/print_json.h"
#include "verdict/print_offscreen.h"

namespace jaggo::verdict {

void print_offscreen(const OffscreenRun& run, bool json) {
    if (json) {
        print_offscreen_json(run);
    } else {
        print_offscreen_lines(run);
    }
}

OffscreenRun judge_offscreen_in_window(Pixels* pixels, PictureFolder* folder) {
    OffscreenRun run = judge_offscreen(pixels, folder);
    run.context = "window";
    return run;
}

OffscreenRun not_judged(const char* why, const char* error) {
    OffscreenRun run;
    run.unavailable = why;
    if (error != nullptr) run.error = error;
    run.kinds[0].kind = ObjectKind::renderbuffer;
    run.kinds[1].kind = ObjectKind::texture;
    run.status = failed;
    return run;
}

Status judge_offscreen_without_display(bool json, std::int32_t expected, PictureFolder* folder) {
    // Whatever fails, a script reading JSON still gets an object for each kind, saying why.
    const auto fail = [json, expected](const char* why) {
        if (json) {
            OffscreenRun run = not_judged(why, last_error());
            hold_offscreen_to_expectation(&run, expected);
            print_offscreen_json(run);
        }
        return failed;
    };
    forget_errors();  // a window's, where one was tried, is not this context's
    EglOffscreen egl;
    char why[900];
    if (!make_egl_offscreen(std::getenv("JAGGO_EGL_PLATFORM"), &egl, why, sizeof why)) {
        report_error(why);
        return fail(
            "no OpenGL context without a window could be made to judge them in (see the Error: line)");
    }
    if (!load_entry_points(egl.get_proc_address, first_missing_read_back_entry_point) || !build_scene()) {
        release_egl_offscreen(&egl);
        return fail("the OpenGL context made through EGL could not draw the scene (see the Error: line)");
    }
    Pixels pixels;
    OffscreenRun run = judge_offscreen(&pixels, folder);
    run.context = std::string("EGL ") + egl.platform + " platform";
    run.platform = {"EGL", nullptr, nullptr};
    hold_offscreen_to_expectation(&run, expected);
    if (!json) {
        const std::string device = *egl.device != '\0' ? std::string(egl.device) + ", " : "";
        std::printf("Offscreen through EGL (%s platform, %s%s)\n", egl.platform, device.c_str(),
                    run.renderer.empty() ? "(no renderer named)" : run.renderer.c_str());
    }
    print_offscreen(run, json);
    release_egl_offscreen(&egl);
    return run.status;
}

}  // namespace jaggo::verdict
