// jaggo verdict: the offscreen objects' results where a person reads them (a line and a table) and
// for scripts (one JSON object an object).
#pragma once

#include <string>
#include <vector>

#include "verdict/offscreen.h"

namespace jaggo::verdict {

// The line naming each kind's limit and the counts it offers, then a row an object: kind, asked,
// granted, seen (the right square's samples) and verdict; or the one line saying why nothing
// could be judged. Flushed.
void print_offscreen_lines(const OffscreenRun& run);

// One JSON object an object judged, each on a line without its newline, with its kind; where a
// kind or the whole run could not be judged, one object for that kind saying why.
std::vector<std::string> offscreen_json_lines(const OffscreenRun& run);

// offscreen_json_lines on standard output, a line each, flushed.
void print_offscreen_json(const OffscreenRun& run);

}  // namespace jaggo::verdict
