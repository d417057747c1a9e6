// jaggo app: the scene, two white squares turning slowly, and each frame's body.
// The left square is drawn without multisampling, the right one with it.
#pragma once

struct GLFWwindow;

namespace jaggo {

// Creates the square's buffer, the shader program and its locations, once,
// with the window's context current and the entry points loaded. When the
// driver rejects a shader or the link, or the program lacks MVP or vPos, it
// prints an "Error: " line per failing stage (with the driver's log) on
// standard error and returns false; nothing may be drawn then.
bool build_scene();

// Draws one frame into the window's framebuffer, turned by the clock's
// seconds read as degrees; the caller swaps buffers afterwards.
void draw_frame(GLFWwindow* window);

// The frame's drawing for a framebuffer of width x height pixels, the squares
// turned by seconds read as degrees. A framebuffer without pixels (a
// minimised window) is left alone: nothing is drawn and nothing is divided by 0.
void draw_scene(int width, int height, double seconds);

}  // namespace jaggo
