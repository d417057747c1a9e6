// jaggo app: the check that every entry point the report and the scene call is loaded.
// A context below 2.0 or a broken driver leaves some of them unresolved.
#include "app/required_gl.h"

#include "gl_loader/gl.h"

namespace jaggo {

const char* first_missing_entry_point() {
    JAGGO_REQUIRED_GL(JAGGO_RETURN_IF_MISSING)
    return nullptr;
}

}  // namespace jaggo
