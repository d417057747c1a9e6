// jaggo verdict: where the offscreen objects are judged: in the window's context, or without any
// display in a context of EGL's own; and their block printed.
#pragma once

#include "verdict/offscreen.h"

namespace jaggo::verdict {

// The offscreen block as lines, or with json as one object a line.
void print_offscreen(const OffscreenRun& run, bool json);

// judge_offscreen in the current window's context, its objects' context named "window"; with a
// folder, their pictures written there.
OffscreenRun judge_offscreen_in_window(Pixels* pixels, PictureFolder* folder = nullptr);

// A run that judged nothing because no context to judge the objects in could be made or used: why,
// for each kind's object, and the error in its own words where known (nullptr or "" otherwise);
// status failed.
OffscreenRun not_judged(const char* why, const char* error = nullptr);

// Without a display server: makes a desktop OpenGL context through EGL (the platform forced by
// JAGGO_EGL_PLATFORM, device or surfaceless, where set), says which ("Offscreen through EGL (...)",
// not with json), builds the scene, judges (the objects asked for expected samples or more held to
// it) and prints the offscreen block. Returns the run's
// status; failed, after one Error: line, when no context could be made or used, with json after an
// object for each kind that says so (not_judged). With a folder, the objects' pictures are written
// there. GLFW is not used.
Status judge_offscreen_without_display(bool json, std::int32_t expected, PictureFolder* folder = nullptr);

}  // namespace jaggo::verdict
