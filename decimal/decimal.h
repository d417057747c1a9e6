// jaggo decimal: reads a decimal integer as "%d" would, but with a defined result for every text.
// The -s option and the GL_VERSION reading share it, so both read numbers by one rule.
#pragma once

#include <cstdint>

namespace jaggo {

// Reads leading white space (blank, \t \n \v \f \r), one sign, then digits
// into *value, saturating at the 32-bit limits where "%d" would be undefined.
// Returns the first character after the digits, or null, leaving *value
// alone, when there are none.
const char* read_decimal(const char* text, std::int32_t* value);

}  // namespace jaggo
