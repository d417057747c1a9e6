// jaggo gl_loader: definitions of the process-wide entry-point table.
// Every pointer starts null and every flag 0; only the loader writes them.
#include "gl_loader/gl.h"

namespace jaggo::gl {

#define JAGGO_GL_DEFINE(ret, name, params) name##_proc name = nullptr;
JAGGO_GL_COMMANDS(JAGGO_GL_DEFINE)
#undef JAGGO_GL_DEFINE

std::int32_t gl_version_1_0 = 0, gl_version_1_1 = 0, gl_version_1_2 = 0, gl_version_1_3 = 0,
             gl_version_1_4 = 0, gl_version_1_5 = 0, gl_version_2_0 = 0, gl_version_2_1 = 0,
             gl_version_3_0 = 0, gl_version_3_1 = 0, gl_version_3_2 = 0, gl_version_3_3 = 0;
std::int32_t gl_arb_multisample = 0, gl_arb_robustness = 0, gl_khr_debug = 0, gl_arb_internalformat_query = 0;

}  // namespace jaggo::gl
