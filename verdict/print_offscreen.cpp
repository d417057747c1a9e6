// jaggo verdict: the offscreen block of lines: the limits, then the table of objects.
#include "verdict/print_offscreen.h"

#include "verdict/table.h"

#include <algorithm>
#include <cstdio>

namespace jaggo::verdict {

namespace {

std::string cell(std::int32_t n) {
    return std::to_string(n);
}

// "GL_MAX_SAMPLES 4: renderbuffer counts 1 to 4 offered", or "-" for a kind that cannot be made.
std::string limits_text(const KindLimits& k) {
    std::string text = std::string(k.limit_name) + " " + (k.unavailable ? "-" : cell(k.limit));
    if (k.unavailable != nullptr) return text;
    text += std::string(": ") + kind_name(k.kind) + " counts ";
    return text + (k.limit > 1 ? "1 to " + cell(k.limit) : cell(std::max(k.limit, 1))) + " offered";
}

std::vector<std::string> row(const OffscreenResult& r) {
    std::string said = verdict_cell(r.status, r.made, r.judged.conclusion, r.expectation);
    if (r.made && r.beyond_maximum) said += " (beyond the maximum, accepted)";
    return {kind_name(r.kind),
            cell(r.asked),
            r.made ? cell(r.granted) : "-",
            samples_cell(r.pictured, r.judged.right),
            samples_read_cell(r.pictured, r.samples),
            said};
}

}  // namespace

void print_offscreen_lines(const OffscreenRun& run) {
    if (run.unavailable != nullptr) {
        std::printf("Offscreen: none could be judged: %s\n", run.unavailable);
        std::fflush(stdout);
        return;
    }
    std::printf("Offscreen: %s; %s\n", limits_text(run.kinds[0]).c_str(), limits_text(run.kinds[1]).c_str());
    Rows rows = {{"kind", "asked", "granted", "seen", "samples", "verdict"}};
    for (const KindLimits& k : run.kinds) {
        if (k.unavailable != nullptr) {
            rows.push_back(
                {kind_name(k.kind), "-", "-", "-", "-", std::string("none could be made: ") + k.unavailable});
        }
    }
    for (const OffscreenResult& r : run.results) rows.push_back(row(r));
    print_columns(rows, true);
    char line[200];
    offscreen_expectation_line(run, line, sizeof line);
    if (line[0] != '\0') std::printf("%s\n", line);
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
