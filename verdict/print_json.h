// jaggo verdict: the results as JSON objects, one a line of standard output, for scripts and CI:
// every judged object (a window, a renderbuffer, a texture) with the same keys in the same order,
// null where a key does not apply: what was asked, where it ran, what the context or the object
// reports, what each square shows, the verdict, the expectation and the status.
#pragma once

#include <string>
#include <vector>

#include "verdict/judge_window.h"
#include "verdict/offscreen.h"

namespace jaggo::verdict {

// The window's object, on one line without its newline.
std::string json_line(const WindowResult& result);

// json_line and a newline on standard output, flushed.
void print_json(const WindowResult& result);

// One object an offscreen object judged; where a kind or the whole run could not be judged, one
// object for that kind saying why. Each on a line without its newline.
std::vector<std::string> offscreen_json_lines(const OffscreenRun& run);

// offscreen_json_lines on standard output, a line each, flushed.
void print_offscreen_json(const OffscreenRun& run);

}  // namespace jaggo::verdict
