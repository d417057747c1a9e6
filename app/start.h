// jaggo app: the start-up both programs share, from the request line to a context whose entry
// points are loaded and checked.
#pragma once

#include <cstdint>

#include "gl_loader/gl.h"

struct GLFWwindow;

namespace jaggo {

// "Requesting MSAA with N samples" or "Requesting that MSAA not be available", flushed.
void print_request(std::int32_t samples);

// Loads the current context's entry points through query and checks those the program calls: the
// scene's and the report's, and those first_missing (when given) names. False, once the reason is
// on standard error, when the context reports no version or one of them is missing.
bool load_entry_points(gl::GLQueryFn query, const char* (*first_missing)() = nullptr);

// Creates the scene's window with that many samples asked for (a preference), makes its context
// current, reads the chosen pixel format, loads the entry points and sets the swap interval.
// Returns the window; or nullptr, once the reason is on standard error and the window (if one
// was made) destroyed, when GLFW cannot make it, the context reports no version or an entry point
// the program calls is missing: one of the scene's and the report's, or one that first_missing
// (when given) names. GLFW must be initialised.
GLFWwindow* open_window(std::int32_t samples, const char* (*first_missing)() = nullptr);

}  // namespace jaggo
