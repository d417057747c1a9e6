// jaggo verdict: the judging program's usage text.
#pragma once

namespace jaggo::verdict {

// The option string the judging program's command line is scanned with: jaggo's, and its own.
constexpr const char* option_string = "xhs:qaj";

void print_usage();

}  // namespace jaggo::verdict
