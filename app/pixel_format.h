// jaggo app: what GLFW does not tell: the number of the pixel format chosen for the
// window's context, read back from the platform's context API, and a lost display.
#pragma once

#include <cstddef>
#include <cstdint>

struct GLFWwindow;

namespace jaggo {

// The chosen pixel format as the platform numbers it (GLX_FBCONFIG_ID,
// EGL_CONFIG_ID or the WGL pixel format index); 0 when there is none.
extern std::int32_t chosen_pixel_format;

// Reads chosen_pixel_format from the window's context. Best called with that
// context current (the address query then works everywhere); it never raises
// a GLFW error and never issues a GLX call on a context GLX did not make.
void read_chosen_pixel_format(GLFWwindow* window);

// True when GLFW runs on Wayland and its connection to the compositor broke;
// reason then receives the cause: the error's text, or for a protocol error
// "protocol error CODE on INTERFACE@ID". GLFW answers a broken connection by
// asking every window to close, which looks like the user closing it. Call it
// after the frame loop, before glfwTerminate; false on every other platform.
bool display_connection_lost(char* reason, std::size_t size);

}  // namespace jaggo
