// jaggo verdict: a judged window's result as one JSON object on a line of standard output, for
// scripts and CI: what was asked, what the context reports, what each square shows, the verdict
// and its status.
#pragma once

#include <string>

#include "verdict/judge_window.h"

namespace jaggo::verdict {

// The object, on one line without its newline.
std::string json_line(const WindowResult& result);

// json_line and a newline on standard output, flushed.
void print_json(const WindowResult& result);

}  // namespace jaggo::verdict
