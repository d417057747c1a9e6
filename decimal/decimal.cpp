// jaggo decimal: the decimal reader.
// It never overflows: once the magnitude is past the range it stops growing.
#include "decimal/decimal.h"

#include <limits>

namespace jaggo {

const char* read_decimal(const char* text, std::int32_t* value) {
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int32_t>::min();
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;  // blank, \t \n \v \f \r
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '9') return nullptr;
    // Once past the range, further digits can only push the magnitude further out.
    std::int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= max + 1) magnitude = magnitude * 10 + (*p - '0');
    }
    const std::int64_t signed_value = negative ? -magnitude : magnitude;
    *value = static_cast<std::int32_t>(signed_value > max ? max : signed_value < min ? min : signed_value);
    return p;
}

}  // namespace jaggo
