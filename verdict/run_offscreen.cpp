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

Status judge_offscreen_without_display(bool json, std::int32_t expected, PictureFolder* folder) {
    EglOffscreen egl;
    char why[900];
    if (!make_egl_offscreen(std::getenv("JAGGO_EGL_PLATFORM"), &egl, why, sizeof why)) {
        report_error(why);
        return failed;
    }
    if (!load_entry_points(egl.get_proc_address, first_missing_read_back_entry_point) || !build_scene()) {
        release_egl_offscreen(&egl);
        return failed;
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
