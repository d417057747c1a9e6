// jaggo options: a scanner for single-letter command-line options.
// It has POSIX getopt's interface, and keeps its own state in jaggo::opt.
#pragma once

#include <cstdint>

// The state lives in the program's own namespace, so it can neither
// interpose on the C library's getopt globals nor be interposed by them.
namespace jaggo::opt {

// Index of the next argument-vector element to examine; starts at 1.
extern std::int32_t optind;
// Argument text of the option just returned, or null.
extern char* optarg;
// The option character last examined (valid or not); 0 when none was found.
extern std::int32_t optopt;
// Next option character inside a grouped element such as -xs8, or null.
extern char* optpos;

// Returns the next option character, '?' for an unknown option or a missing
// argument (':' for a missing argument when optstring begins with ':'), or
// -1 when no option remains. Never prints and never reorders argv.
std::int32_t getopt(int argc, char* const argv[], const char* optstring);

}  // namespace jaggo::opt
