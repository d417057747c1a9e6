// jaggo verdict: jaggo-verdict's command line: jaggo's options, its own, and the long words --help
// and --version.
#pragma once

#include <cstdint>
#include <string>

namespace jaggo::verdict {

// The option string the judging program's command line is scanned with: jaggo's, then its own.
constexpr const char* option_string = "xhs:qaje:Vop:";

struct Settings {
    bool quit = false;          // -q: end once judged
    bool all = false;           // -a: judge every sample count
    bool json = false;          // -j: JSON objects instead of lines
    bool offscreen = false;     // -o: multisampled renderbuffers and textures judged too
    std::int32_t expected = 0;  // -e N: at least N samples must take effect; 0 when not asked
    std::string pictures;       // -p DIR: the folder the pictures are written into; empty when not asked
};

enum class Request { run, help, version, usage_error };

// Reads the command line into *settings (and jaggo's shared settings: samples, list_extensions).
// --help or --version anywhere before a "--" wins, as the option scanner would take them for bad
// options. -e takes a whole number of 1 or more, digits alone; anything else is a usage error, said
// on one line of standard error. -p takes a folder's name, not empty (on Windows read from the
// wide-character command line, in UTF-8).
Request read_options(int argc, char** argv, Settings* settings);

// Reads text as -e reads it: digits alone, 1 to 2147483647. False for anything else.
bool read_expected(const char* text, std::int32_t* value);

}  // namespace jaggo::verdict
