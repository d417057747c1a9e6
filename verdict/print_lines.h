// jaggo verdict: a judged window's result where a person reads it: lines on standard output and
// the window's title.
#pragma once

#include <cstddef>

#include "verdict/judge_window.h"

struct GLFWwindow;

namespace jaggo::verdict {

// "Platform: GLX on X11; GLFW 3.3.8 X11 GLX ...", into out (cut to size).
void platform_line(const WindowResult& result, char* out, std::size_t size);

// "Platform: ..." and "Configuration: ...", then "Edges: ...", "Coverage: ..." and "Presented: ..."
// where a picture was read, then "Verdict: ..." and, where -e was held against it, "Expected: ...",
// flushed.
void print_lines(const WindowResult& result);

// Sets the window's title to the scene's, followed by the verdict.
void show_in_title(GLFWwindow* window, const WindowResult& result);

}  // namespace jaggo::verdict
