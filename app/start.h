// jaggo app: the start-up both programs share, from the request line to a context whose entry
// points are loaded and checked, and the end of a run.
#pragma once

#include <cstdint>

struct GLFWwindow;

namespace jaggo {

// "Requesting MSAA with N samples" or "Requesting that MSAA not be available", flushed.
void print_request(std::int32_t samples);

// Creates the scene's window with that many samples asked for (a preference), makes its context
// current, reads the chosen pixel format, loads the entry points and sets the swap interval.
// Returns the window; or nullptr, once the reason is on standard error and the window (if one
// was made) destroyed, when GLFW cannot make it, the context reports no version or an entry point
// the program calls is missing: one of the scene's and the report's, or one that first_missing
// (when given) names. GLFW must be initialised.
GLFWwindow* open_window(std::int32_t samples, const char* (*first_missing)() = nullptr);

// Ends a run whose window exists but whose context or display cannot be used: the reason is
// already on standard error.
[[noreturn]] void fail_with_window(GLFWwindow* window);

// The run's end once the frame loop is over: a display that went away is no clean end (an
// "Error: " line and status 1); otherwise the window is destroyed, GLFW terminated and the
// process ends with status.
[[noreturn]] void finish(GLFWwindow* window, int status);

}  // namespace jaggo
