// jaggo verdict: the sweep over sample counts and its table.
#include "verdict/sweep.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/offered_samples.h"
#include "verdict/judge_window.h"
#include "verdict/print_json.h"
#include "verdict/print_lines.h"
#include "verdict/run_offscreen.h"
#include "verdict/status.h"
#include "verdict/table.h"

namespace jaggo::verdict {

namespace {

// Opens a window for the count, judges it and closes it; offered, where given, receives the
// counts its platform offers, and offscreen, where given, the offscreen objects judged in its
// context. A count of expected samples or more is held to it. With pictures, the window's are
// written there before anything else is read.
WindowResult judge_count(std::int32_t count, std::int32_t expected, Pixels* pixels, OfferedSamples* offered,
                         OffscreenRun* offscreen, PictureFolder* pictures) {
    WindowResult result;
    GLFWwindow* window = open_and_judge(count, false, pixels, &result);
    result.expectation.at_least = expected;
    if (result.asked >= expected) {
        result.expectation = hold_to_expectation(
            expected, picture::samples_in_effect(result.samples, result.judged.right), &result.status);
    }
    if (pictures != nullptr) write_window_pictures(*pixels, pictures, &result);
    if (window == nullptr) return result;
    if (offered != nullptr) *offered = offered_sample_counts(window);
    if (offscreen != nullptr) {
        *offscreen = judge_offscreen_in_window(pixels, pictures);
        offscreen->platform = result.platform;
    }
    glfwDestroyWindow(window);
    return result;
}

std::string cell(std::int32_t n) {
    return std::to_string(n);
}

std::vector<std::string> row(const WindowResult& r) {
    const std::string seen = samples_cell(r.pictured, r.judged.right);
    std::string shown = samples_cell(r.pictured, r.presented.judged.right);
    if (r.pictured && r.presented.not_readable[0] != '\0') shown = "unread";
    std::string said = verdict_cell(r.status, true, r.judged.conclusion, r.expectation);
    if (!r.opened) said = "could not run: " + said;
    return {cell(r.asked),
            r.opened ? cell(r.configuration) : "-",
            r.opened ? cell(r.claimed) : "-",
            seen,
            shown,
            samples_read_cell(r.pictured, r.samples),
            said};
}

// The platform and the driver, once: every window of the sweep runs on them.
void print_driver(const std::vector<WindowResult>& results) {
    for (const WindowResult& r : results) {
        if (!r.opened) continue;
        char line[2400];
        platform_line(r, line, sizeof line);
        std::printf("%s\n", line);
        const auto text = [](const std::optional<std::string>& s) { return s ? s->c_str() : "(none)"; };
        std::printf("Driver: %s; %s; %s\n", text(r.vendor), text(r.renderer), text(r.version));
        return;
    }
}

void print_table(const OfferedSamples& offered, const std::vector<std::int32_t>& counts,
                 const std::vector<WindowResult>& results) {
    print_driver(results);
    std::string listed;
    for (int i = 0; i < offered.count; ++i) listed += (i ? " " : "") + cell(offered.counts[i]);
    std::string asked;
    for (std::size_t i = 0; i < counts.size(); ++i) asked += (i ? " " : "") + cell(counts[i]);
    if (offered.api != nullptr) {
        std::printf("Sample counts offered by %s: %s; asked %s\n", offered.api, listed.c_str(),
                    asked.c_str());
    } else {
        std::printf("Sample counts offered: not listed on this platform; asked %s\n", asked.c_str());
    }
    std::vector<std::vector<std::string>> rows = {
        {"asked", "configuration", "GL_SAMPLES", "seen", "shown", "samples", "verdict"}};
    for (const WindowResult& r : results) rows.push_back(row(r));
    print_columns(rows, false);
}

// Where no window was asked for expected samples or more, none was held to it: the run is, against
// the most samples any window shows, through its last window (the one asked for the most), before
// that one is printed.
void hold_the_most_shown(std::int32_t expected, std::vector<WindowResult>* results) {
    std::int32_t most = 0;
    for (const WindowResult& r : *results) {
        if (r.asked >= expected) return;
        if (r.pictured) most = std::max(most, picture::samples_in_effect(r.samples, r.judged.right));
    }
    WindowResult& last = results->back();
    last.expectation = hold_to_expectation(expected, most, &last.status);
}

}  // namespace

Status sweep(const Settings& settings, OffscreenRun* offscreen, PictureFolder* pictures) {
    std::vector<std::int32_t> counts(std::begin(fixed_counts), std::end(fixed_counts));
    std::vector<WindowResult> results;
    OfferedSamples offered{};
    Pixels pixels;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        // The first window's context tells what the platform offers: its counts join the sweep.
        results.push_back(judge_count(counts[i], settings.expected, &pixels, i == 0 ? &offered : nullptr,
                                      i == 0 ? offscreen : nullptr, pictures));
        WindowResult& result = results.back();
        result.offered = offered;
        if (i == 0) {
            for (int k = 0; k < offered.count; ++k) {
                if (offered.counts[k] > 1 &&
                    std::find(counts.begin(), counts.end(), offered.counts[k]) == counts.end()) {
                    counts.push_back(offered.counts[k]);
                }
            }
            std::sort(counts.begin() + 1, counts.end());
        }
        if (i + 1 == counts.size()) hold_the_most_shown(settings.expected, &results);
        if (settings.json) print_json(result);
    }
    if (!settings.json) {
        print_table(offered, counts, results);
        char line[200];
        expectation_line(results.back().expectation, line, sizeof line);
        if (line[0] != '\0' && results.back().asked < settings.expected) std::printf("%s\n", line);
        std::fflush(stdout);
    }

    Status status = agrees;
    for (const WindowResult& r : results) status = graver(status, r.status);
    return status;
}

}  // namespace jaggo::verdict
