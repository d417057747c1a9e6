// jaggo verdict: the tables a person reads, the sweep's and the offscreen objects': their columns,
// and the words of a row's verdict.
#pragma once

#include <string>
#include <vector>

#include "picture/judgement.h"
#include "picture/sample_findings.h"
#include "verdict/expectation.h"
#include "verdict/status.h"

namespace jaggo::verdict {

using Rows = std::vector<std::vector<std::string>>;

// Prints the rows (each of the same number of cells) as columns two spaces apart, every column but
// the last padded to its widest cell: the first aligned left where first_left, the others right.
// Flushed.
void print_columns(const Rows& rows, bool first_left);

// A row's verdict: "agrees" for a judged picture that agrees, the shortfall where an agreeing
// picture falls below -e's count (or, where nothing was judged, the conclusion's words and the
// shortfall: "refused ... beyond the maximum, so fewer than the 8 samples expected can be had"),
// else the conclusion's own words.
std::string verdict_cell(Status status, bool judged, const picture::Conclusion& conclusion,
                         const Expectation& expectation);

// "-" where there is no picture, "?" where its levels fit no count, else the count.
std::string samples_cell(bool pictured, const picture::Reading& reading);

// The samples read one by one: "4 distinct", "not read" where they could not be, "-" where there
// is no picture or a single sample.
std::string samples_read_cell(bool pictured, const picture::SampleFindings& samples);

}  // namespace jaggo::verdict
