// jaggo verdict: the Edges:, Coverage:, Presented: and Verdict: lines, and the title.
#include "verdict/print_lines.h"

#include <GLFW/glfw3.h>

#include <cstdio>

#include "app/scene_layout.h"

namespace jaggo::verdict {

void print_lines(const WindowResult& result) {
    if (result.pictured) {
        char line[2400];
        picture::edges_line(result.judged, line, sizeof line);
        std::printf("%s\n", line);
        picture::coverage_line(result.judged, line, sizeof line);
        std::printf("%s\n", line);
        picture::presented_line(result.presented, line, sizeof line);
        std::printf("%s\n", line);
    }
    std::printf("Verdict: %s\n", result.judged.conclusion.text);
    std::fflush(stdout);
}

void show_in_title(GLFWwindow* window, const WindowResult& result) {
    char title[720];
    std::snprintf(title, sizeof title, "%s: %s", scene::window_title, result.judged.conclusion.text);
    glfwSetWindowTitle(window, title);
}

}  // namespace jaggo::verdict
