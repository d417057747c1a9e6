// jaggo app: the scene, two white squares turning slowly, and each frame's body.
// The left square is drawn without multisampling, the right one with it.
#pragma once

struct GLFWwindow;

namespace jaggo {

// Creates the square's buffer, the shader program and its locations, once,
// with the window's context current and the entry points loaded.
void build_scene();

// Draws one frame into the window's framebuffer, turned by the clock's
// seconds read as degrees; the caller swaps buffers afterwards.
void draw_frame(GLFWwindow* window);

}  // namespace jaggo
