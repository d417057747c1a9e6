// jaggo options: the option scanner.
// Scanning stops at the first element that is not an option.
#include "options/getopt.h"

#include <cstring>

namespace jaggo::opt {

std::int32_t optind = 1;
char* optarg = nullptr;
std::int32_t optopt = 0;
char* optpos = nullptr;

namespace {

// No option remains: the position is cleared and -1 returned.
std::int32_t end_of_options() {
    optpos = nullptr;
    return -1;
}

}  // namespace

std::int32_t getopt(int argc, char* const argv[], const char* optstring) {
    optarg = nullptr;
    optopt = 0;

    if (optind >= argc || argv[optind] == nullptr) return end_of_options();
    char* element = argv[optind];
    if (element[0] != '-' || element[1] == '\0') return end_of_options();
    if (std::strcmp(element, "--") == 0) {
        ++optind;
        return end_of_options();
    }

    if (optpos == nullptr || *optpos == '\0') optpos = element + 1;
    const char c = *optpos;
    optopt = c;

    // A plain character search: a ':' standing in optstring is found too.
    const char* found = std::strchr(optstring, c);
    std::int32_t result = c;
    if (found == nullptr) {
        result = '?';
    } else if (found[1] == ':') {
        optarg = optpos + 1;
        optpos = nullptr;
        ++optind;
        if (*optarg != '\0') return c;
        if (found[2] == ':') {  // optional argument, which must be attached
            optarg = nullptr;
            return c;
        }
        if (optind < argc) {
            optarg = argv[optind];
            ++optind;
            return c;
        }
        optarg = nullptr;
        ++optind;
        return optstring[0] == ':' ? ':' : '?';
    }

    // No argument (or not found): step to the next character of the group.
    ++optpos;
    if (*optpos == '\0') ++optind;
    return result;
}

}  // namespace jaggo::opt
