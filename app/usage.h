// jaggo app: the usage text.
// Printed for -h and for a bad option.
#pragma once

namespace jaggo {

void print_usage();

}  // namespace jaggo
