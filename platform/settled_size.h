// jaggo platform: whether a window's framebuffer has the size the window keeps, so that the frame
// judged is one the window shows as it is, not one a compositor magnifies.
#pragma once

struct GLFWwindow;

namespace jaggo {

// True once the framebuffer has the size the window keeps. On Wayland a surface learns its output,
// and with it the scale its buffers are drawn at, only once the compositor has shown a frame of it:
// so not before one frame has been presented, and then once the framebuffer's size is the window's
// size times its content scale, after a round trip to the compositor has brought its answers in
// (GLFW handles them as they come). Elsewhere the framebuffer has the window's pixels from the
// start (X11, Windows) or follows the window's scale at once (macOS): always true.
bool framebuffer_settled(GLFWwindow* window, int frames_presented);

}  // namespace jaggo
