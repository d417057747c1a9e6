// jaggo app: the command line's settings and the reading of the -s value.
// The value is read by hand: atoi's behaviour on overflow is undefined.
#include "app/command_line.h"

#include <cstdint>

#include "decimal/decimal.h"

namespace jaggo {

std::int32_t samples = default_samples;
std::int32_t list_extensions = 0;

bool take_shared_option(int option, const char* argument) {
    switch (option) {
    case 's':
        samples = parse_samples(argument);
        return true;
    case 'x':
        list_extensions = 1;
        return true;
    default:
        return false;
    }
}

std::int32_t parse_samples(const char* text) {
    std::int32_t value = 0;  // text without digits reads as 0
    static_cast<void>(read_decimal(text, &value));
    return value;
}

}  // namespace jaggo
