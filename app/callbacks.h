// jaggo app: the two callbacks GLFW calls, and the run's error lines.
// Both callbacks run on the main thread, inside the program's own GLFW calls.
#pragma once

struct GLFWwindow;

namespace jaggo {

// Writes "Error: <description>" to standard error (report_error); the code is not used.
void error_callback(int error, const char* description);

// On a press (not a repeat or release): Space sets the clock back to 0,
// Escape asks the window to close; other keys do nothing.
void key_callback(GLFWwindow* window, int key, int scancode, int action, int mods);

// Writes "Error: <text>" to standard error, and keeps the text as the run's last error, for a
// program that reports its failures elsewhere too (jaggo-verdict's JSON).
void report_error(const char* text);

// The text of the last error reported since forget_errors, or "" when none was.
const char* last_error();
void forget_errors();

}  // namespace jaggo
