// jaggo app: the two callbacks GLFW calls.
// Both run on the main thread, inside the program's own GLFW calls.
#pragma once

struct GLFWwindow;

namespace jaggo {

// Writes "Error: <description>" to standard error; the code is not used.
void error_callback(int error, const char* description);

// On a press (not a repeat or release): Space sets the clock back to 0,
// Escape asks the window to close; other keys do nothing.
void key_callback(GLFWwindow* window, int key, int scancode, int action, int mods);

}  // namespace jaggo
