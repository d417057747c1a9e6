// jaggo verdict: a judged window's result where a person reads it: lines on standard output and
// the window's title.
#pragma once

#include "verdict/judge_window.h"

struct GLFWwindow;

namespace jaggo::verdict {

// "Edges: ...", "Coverage: ..." and "Presented: ..." where a picture was read, then "Verdict: ...", flushed.
void print_lines(const WindowResult& result);

// Sets the window's title to the scene's, followed by the verdict.
void show_in_title(GLFWwindow* window, const WindowResult& result);

}  // namespace jaggo::verdict
