// jaggo verdict: the command line read into the run's settings.
#include "verdict/options.h"

#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "options/getopt.h"
#include "platform/files.h"

namespace jaggo::verdict {

namespace {

constexpr bool begins_with(const char* text, const char* prefix) {
    return *prefix == '\0' || (*text == *prefix && begins_with(text + 1, prefix + 1));
}
static_assert(begins_with(option_string, shared_options), "jaggo's options come first");

}  // namespace

bool read_expected(const char* text, std::int32_t* value) {
    if (text == nullptr || *text == '\0') return false;
    std::int64_t n = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') return false;
        n = n * 10 + (*p - '0');
        if (n > INT32_MAX) return false;
    }
    if (n < 1) return false;
    *value = static_cast<std::int32_t>(n);
    return true;
}

Request read_options(int argc, char** argv, Settings* settings) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) return Request::help;
        if (std::strcmp(argv[i], "--version") == 0) return Request::version;
    }
    samples = default_samples;
    for (std::int32_t c; (c = opt::getopt(argc, argv, option_string)) != -1;) {
        if (take_shared_option(c, opt::optarg)) continue;
        switch (c) {
        case 'h':
            return Request::help;
        case 'V':
            return Request::version;
        case 'q':
            settings->quit = true;
            break;
        case 'a':
            settings->all = true;
            break;
        case 'j':
            settings->json = true;
            break;
        case 'o':
            settings->offscreen = true;
            break;
        case 'p':
            if (*opt::optarg == '\0') {
                std::fprintf(stderr,
                             "jaggo-verdict: -p takes the name of a folder to write the pictures into\n");
                return Request::usage_error;
            }
            settings->pictures = file_argument(argc, argv, opt::optarg);
            break;
        case 'e':
            if (!read_expected(opt::optarg, &settings->expected)) {
                std::fprintf(stderr,
                             "jaggo-verdict: -e takes a whole number of samples, 1 or more, not \"%s\"\n",
                             opt::optarg);
                return Request::usage_error;
            }
            break;
        default:
            return Request::usage_error;
        }
    }
    return Request::run;
}

}  // namespace jaggo::verdict
