// jaggo app: the usage text.
// Its five lines are fixed, trailing blanks and spelling included.
#include "app/usage.h"

#include <cstdio>

namespace jaggo {

void print_usage() {
    std::printf("Usage: jaggo [-h] [-s SAMPLES] [-x]\n");
    std::printf("  \n");
    std::printf(" -h this help info \n");
    std::printf(" -s request number of samples \n");
    std::printf(" -x list of OpenGL extentions \n");
}

}  // namespace jaggo
