// jaggo platform: what GLFW does not tell: the number of the pixel format chosen for the
// window's context, read back from the platform's context API.
#pragma once

#include <cstdint>

struct GLFWwindow;

namespace jaggo {

// The chosen pixel format as the platform numbers it (GLX_FBCONFIG_ID,
// EGL_CONFIG_ID or the WGL pixel format index); 0 when there is none.
extern std::int32_t chosen_pixel_format;

// Reads chosen_pixel_format from the window's context, from 0: a window whose number cannot be
// read never shows an earlier window's. Best called with that
// context current (the address query then works everywhere); it never raises
// a GLFW error and never issues a GLX call on a context GLX did not make.
void read_chosen_pixel_format(GLFWwindow* window);

}  // namespace jaggo
