// jaggo verdict: the judging program's usage text and version line.
#pragma once

#include <cstdio>

namespace jaggo::verdict {

// The project's version, as the build gives it.
extern const char* const program_version;

// The usage text, on the stream given: standard output when asked for, standard error after a
// usage error.
void print_usage(std::FILE* stream);

// "jaggo-verdict <version>" on standard output.
void print_version();

}  // namespace jaggo::verdict
