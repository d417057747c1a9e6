// jaggo verdict: columns padded to their widest cells, and the cells every table shares.
#include "verdict/table.h"

#include <algorithm>
#include <cstdio>

namespace jaggo::verdict {

void print_columns(const Rows& rows, bool first_left) {
    std::vector<std::size_t> widths;
    for (const auto& cells : rows) {
        widths.resize(std::max(widths.size(), cells.size()));
        for (std::size_t i = 0; i + 1 < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
    }
    for (const auto& cells : rows) {
        for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
            const int width = static_cast<int>(widths[i]);
            std::printf(i == 0 && first_left ? "%-*s  " : "%*s  ", width, cells[i].c_str());
        }
        if (!cells.empty()) std::printf("%s\n", cells.back().c_str());
    }
    std::fflush(stdout);
}

std::string verdict_cell(Status status, bool judged, const picture::Conclusion& conclusion,
                         const Expectation& expectation) {
    if (status == unmet_expectation && !judged) {
        return conclusion.text + (", so fewer than the " + std::to_string(expectation.at_least)) +
               " samples expected can be had";
    }
    if (status == unmet_expectation) {
        return "agrees, but fewer than the " + std::to_string(expectation.at_least) +
               " samples expected take effect";
    }
    if (status == agrees && judged) return "agrees";
    return conclusion.text;
}

std::string samples_cell(bool pictured, const picture::Reading& reading) {
    if (!pictured) return "-";
    return reading.samples != 0 ? std::to_string(reading.samples) : "?";
}

std::string samples_read_cell(bool pictured, const picture::SampleFindings& samples) {
    if (samples.readable) return std::to_string(samples.distinct) + " distinct";
    if (!pictured || samples.single) return "-";
    return "not read";
}

}  // namespace jaggo::verdict
