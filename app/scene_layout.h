// jaggo app: where the scene puts things: the window's size and title, the squares' size and
// place. The scene draws from these numbers, and the picture analysis finds the squares by them.
// The window tests read this file too (tests/harness/layout.py): keep each a constexpr of a literal.
#pragma once

namespace jaggo::scene {

// The window asked for, in screen units (its framebuffer may have more pixels on a scaled output).
constexpr int window_width = 800;
constexpr int window_height = 400;
constexpr const char* window_title = "Jaggoscope";

// The projection spans the framebuffer's height from -1 to 1 (and its width in proportion), so a
// length of 1 in it is half the framebuffer's height in pixels.
// Each square has this half side, and its centre lies this far left and right of the middle.
constexpr float square_half_side = 0.6f;
constexpr float square_offset = 1.0f;

// The squares turn by the clock's seconds read as degrees.
constexpr double degrees_per_second = 1.0;

}  // namespace jaggo::scene
