// jaggo app: the command line's results and how the -s value is read.
// samples and list_extensions are the process-wide settings the run acts on.
#pragma once

#include <cstdint>

namespace jaggo {

// Requested samples per pixel (default 4); after the context exists the
// report reuses it as the destination of the GL_SAMPLES query.
extern std::int32_t samples;
// 1 when -x asked for the extension list.
extern std::int32_t list_extensions;

// Reads a decimal integer the way -s does: leading white space skipped, one
// sign, digits up to the first non-digit, 0 without digits, and values
// beyond the 32-bit range saturated to its limits.
std::int32_t parse_samples(const char* text);

}  // namespace jaggo
