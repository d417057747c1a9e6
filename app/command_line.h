// jaggo app: the command line's results, the options both programs share, and how the -s value is
// read. samples and list_extensions are the process-wide settings the run acts on.
#pragma once

#include <cstdint>

namespace jaggo {

// The samples asked for when -s does not say.
constexpr std::int32_t default_samples = 4;

// Requested samples per pixel (default_samples); after the context exists the
// report reuses it as the destination of the GL_SAMPLES query.
extern std::int32_t samples;
// 1 when -x asked for the extension list.
extern std::int32_t list_extensions;

// The options both programs take, as the option scanner reads them: -h, -s SAMPLES and -x.
// Each program's option string begins with it.
constexpr const char* shared_options = "xhs:";

// Acts on -s (argument: its value) and -x; false for any other option, which the program
// handles itself (-h prints each program's own usage).
bool take_shared_option(int option, const char* argument);

// Reads a decimal integer the way -s does: leading white space skipped, one
// sign, digits up to the first non-digit, 0 without digits, and values
// beyond the 32-bit range saturated to its limits.
std::int32_t parse_samples(const char* text);

}  // namespace jaggo
