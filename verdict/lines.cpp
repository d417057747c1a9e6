// jaggo verdict: the Edges:, Coverage: and Verdict: lines, and the title.
#include "verdict/lines.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstring>

#include "app/scene_layout.h"

namespace jaggo::verdict {

namespace {

constexpr const char* verdict_prefix = "Verdict: ";

}  // namespace

const char* verdict_text(const WindowResult& result) {
    const char* line = result.judged.verdict.line;
    const std::size_t prefix = std::strlen(verdict_prefix);
    return std::strncmp(line, verdict_prefix, prefix) == 0 ? line + prefix : line;
}

void print_lines(const WindowResult& result) {
    if (result.pictured) {
        char line[2400];
        picture::edges_line(result.judged, line, sizeof line);
        std::printf("%s\n", line);
        picture::coverage_line(result.judged, line, sizeof line);
        std::printf("%s\n", line);
    }
    std::printf("%s\n", result.judged.verdict.line);
    std::fflush(stdout);
}

void show_in_title(GLFWwindow* window, const WindowResult& result) {
    char title[720];
    std::snprintf(title, sizeof title, "%s: %s", scene::window_title, verdict_text(result));
    glfwSetWindowTitle(window, title);
}

}  // namespace jaggo::verdict
