// jaggo platform: a display connection that broke under the open window, told apart from a closed window.
#pragma once

#include <cstddef>

namespace jaggo {

// True when GLFW runs on Wayland and its connection to the compositor broke;
// reason then receives the cause: the error's text, or for a protocol error
// "protocol error CODE on INTERFACE@ID". GLFW answers a broken connection by
// asking every window to close, which looks like the user closing it. Call it
// after the frame loop, before glfwTerminate; false on every other platform.
bool display_connection_lost(char* reason, std::size_t size);

}  // namespace jaggo
