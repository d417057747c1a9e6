// jaggo platform: what a window shows once its frame is presented, read from the window system
// where a client can read it: the window's contents on X11, its device context on Windows.
#pragma once

#include <cstddef>
#include <cstdint>

struct GLFWwindow;

namespace jaggo {

// Reads width x height pixels of what the window shows, from its top-left corner, into out (room
// for width * height * 4 bytes: red, green, blue and a fourth that is ignored, rows top to
// bottom). Call it after the frame is swapped and finished (glFinish), with the window's context
// current: it waits for the swap to reach the window (on GLX, glXWaitForSbcOML where offered) and
// synchronises with the server, never sleeping. Returns true on success; otherwise false with why,
// in words, in why_not: on native Wayland, whose surfaces no client may read back, on macOS, and
// for a read the server refuses (an X error, a window that is not viewable, of another size), which
// never reaches Xlib's default handler. On Windows a window's DC that reads all black (a GL
// surface GDI does not see) gives way to the screen's DC at the window's client area.
bool read_presented_picture(GLFWwindow* window, int width, int height, std::uint8_t* out, char* why_not,
                            std::size_t size);

}  // namespace jaggo
