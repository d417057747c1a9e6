// jaggo verdict: one window judged: a frame drawn at an angle of the program's choosing, read
// back from the window's own framebuffer and held against what its context reports.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "picture/verdict.h"

struct GLFWwindow;

namespace jaggo::verdict {

// The angle of the judged frame: far enough from axis-aligned that every edge crosses pixels all
// along, and far from 45 degrees, where each edge pixel would be crossed alike and show few levels.
constexpr double judged_degrees = 30.0;

// At most this many frames are drawn until one can be judged (about a second at 60 Hz).
constexpr int max_judged_frames = 60;

// What a window showed and what its context said.
struct WindowResult {
    std::int32_t asked = 0;          // the samples requested
    bool opened = false;             // the window, its context and the scene were made
    std::int32_t configuration = 0;  // the chosen pixel format's number
    std::int32_t claimed = 0;        // GL_SAMPLES
    std::optional<std::string> vendor, renderer, version, glsl;  // empty where the driver gave none
    bool pictured = false;        // a picture was read back and analysed: judged holds its readings
    picture::Judgement judged{};  // its verdict is set in any case
    int status = 1;               // the verdict's status; 1 when the window could not be opened
};

// Judges the window, whose context is current and whose scene is built: reads what the context
// reports, draws frames with the squares at judged_degrees, reads the first one that can be judged
// back before it is swapped and judges it (the first frame, unless its picture is not whole, as
// after a resize the surface has not taken yet). Then presents that frame and sets the clock so that the
// squares turn on from it.
void judge_window(GLFWwindow* window, WindowResult* result);

// The result of a window that could not be opened: status 1 and the verdict in words.
void could_not_open(WindowResult* result);

}  // namespace jaggo::verdict
