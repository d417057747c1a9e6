// jaggo app: the command line's settings and the reading of the -s value.
// The value is read by hand: atoi's behaviour on overflow is undefined.
#include "app/command_line.h"

#include <cstdint>
#include <limits>

namespace jaggo {

std::int32_t samples = 4;
std::int32_t list_extensions = 0;

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t parse_samples(const char* text) {
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int32_t>::min();

    const char* p = text;
    while (is_space(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // Accumulate the magnitude, stopping once it is past the range: the
    // remaining digits can only push it further out.
    std::int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= max + 1) magnitude = magnitude * 10 + (*p - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > max) return std::numeric_limits<std::int32_t>::max();
    if (value < min) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace jaggo
