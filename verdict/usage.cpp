// jaggo verdict: the usage text: jaggo's options, then the judging program's own.
#include "verdict/usage.h"

#include <cstdio>

namespace jaggo::verdict {

void print_usage() {
    std::printf(
        "Usage: jaggo-verdict [-h] [-s SAMPLES] [-x] [-q] [-a] [-j] [-o]\n"
        " -h this help info\n"
        " -s request number of samples\n"
        " -x list of OpenGL extensions\n"
        " -q end the run once the picture is judged\n"
        " -a judge every sample count, one window after another\n"
        " -j print the results as JSON, one object a window\n"
        " -o judge multisampled renderbuffers and textures too; without a display,\n"
        "    in an OpenGL context of EGL's (JAGGO_EGL_PLATFORM=device|surfaceless)\n");
}

}  // namespace jaggo::verdict
