// jaggo verdict: the judging program's usage text.
#pragma once

#include "app/command_line.h"

namespace jaggo::verdict {

// The option string the judging program's command line is scanned with: jaggo's, and its own.
constexpr const char* option_string = "xhs:qajo";  // shared_options, then its own

constexpr bool begins_with(const char* text, const char* prefix) {
    return *prefix == '\0' || (*text == *prefix && begins_with(text + 1, prefix + 1));
}
static_assert(begins_with(option_string, shared_options), "the shared options come first");

void print_usage();

}  // namespace jaggo::verdict
