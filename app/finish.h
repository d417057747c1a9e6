// jaggo app: the end of a run whose window is open, for both programs.
#pragma once

struct GLFWwindow;

namespace jaggo {

// Ends a run whose window exists but whose context or display cannot be used: the reason is
// already on standard error. Status 1.
[[noreturn]] void fail_with_window(GLFWwindow* window);

// The run's end once the frame loop is over: a display that went away is no clean end (an
// "Error: " line and status 1); otherwise the window is destroyed, GLFW terminated and the
// process ends with status.
[[noreturn]] void finish(GLFWwindow* window, int status);

}  // namespace jaggo
