// jaggo verdict: the usage text: jaggo's options, then the judging program's own; and its version.
#include "verdict/usage.h"

namespace jaggo::verdict {

const char* const program_version = JAGGO_VERSION;

void print_usage(std::FILE* stream) {
    std::fprintf(stream,
                 "Usage: jaggo-verdict [-h] [-s SAMPLES] [-x] [-q] [-a] [-j] [-o] [-e N] [-p DIR] [-V]\n"
                 " -h, --help     this help info\n"
                 " -s SAMPLES     request number of samples\n"
                 " -x             list of OpenGL extensions\n"
                 " -q             end the run once the picture is judged\n"
                 " -a             judge every sample count, one window after another\n"
                 " -j             print the results as JSON, one object a window or offscreen object\n"
                 " -e N           expect at least N samples to take effect (status 5 when fewer do);\n"
                 "                with -a or -o, each window or object asked for N or more, and the run\n"
                 "                where none was\n"
                 " -o             judge multisampled renderbuffers and textures too; without a display, or\n"
                 "                where it cannot be reached, in an OpenGL context of EGL's\n"
                 "                (JAGGO_EGL_PLATFORM=device|surfaceless)\n"
                 " -p DIR         write the pictures judged into DIR as PNG files (made where missing)\n"
                 " -V, --version  print the program's version\n"
                 "Statuses: 0 agreement, 1 failure, 2 usage error, 3 contradiction, 4 no verdict,\n"
                 "5 agreement with fewer samples than -e expects\n");
}

void print_version() {
    std::printf("jaggo-verdict %s\n", program_version);
}

}  // namespace jaggo::verdict
