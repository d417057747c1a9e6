// jaggo app: the check that every entry point the report and scene call is loaded.
// The program entry runs it after loading and stops on a missing one.
#pragma once

namespace jaggo {

// The OpenGL name of the first entry point that the report or the scene
// calls unconditionally and that is still null, or nullptr when all are
// loaded. glGetStringi is not among them: the report does without it.
const char* first_missing_entry_point();

}  // namespace jaggo
