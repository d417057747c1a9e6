// jaggo verdict: the offscreen block of lines: the limits, then the table of objects.
#include "verdict/print_offscreen.h"

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
    std::string seen = "-";
    if (r.pictured) seen = r.judged.right.samples != 0 ? cell(r.judged.right.samples) : "?";
    std::string said = r.judged.conclusion.text;
    if (r.status == agrees && r.made) said = "agrees";
    if (r.status == unmet_expectation) {
        said = "agrees, but fewer than the " + cell(r.expectation.at_least) + " samples expected take effect";
    }
    return {kind_name(r.kind), cell(r.asked), r.made ? cell(r.granted) : "-", seen, said};
}

}  // namespace

void print_offscreen_lines(const OffscreenRun& run) {
    if (run.unavailable != nullptr) {
        std::printf("Offscreen: none could be judged: %s\n", run.unavailable);
        std::fflush(stdout);
        return;
    }
    std::printf("Offscreen: %s; %s\n", limits_text(run.kinds[0]).c_str(), limits_text(run.kinds[1]).c_str());
    std::vector<std::vector<std::string>> rows = {{"kind", "asked", "granted", "seen", "verdict"}};
    for (const KindLimits& k : run.kinds) {
        if (k.unavailable != nullptr) {
            rows.push_back(
                {kind_name(k.kind), "-", "-", "-", std::string("none could be made: ") + k.unavailable});
        }
    }
    for (const OffscreenResult& r : run.results) rows.push_back(row(r));
    std::size_t widths[4] = {};
    for (const auto& cells : rows) {
        for (std::size_t i = 0; i < 4; ++i) widths[i] = std::max(widths[i], cells[i].size());
    }
    for (const auto& cells : rows) {
        std::printf("%-*s  ", static_cast<int>(widths[0]), cells[0].c_str());
        for (std::size_t i = 1; i < 4; ++i)
            std::printf("%*s  ", static_cast<int>(widths[i]), cells[i].c_str());
        std::printf("%s\n", cells[4].c_str());
    }
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
