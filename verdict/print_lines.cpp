// jaggo verdict: the Platform:, Configuration:, Edges:, Coverage:, Presented:, Samples:, Verdict:
// and
// Expected: lines, and the title.
#include "verdict/print_lines.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <string>

#include "app/scene_layout.h"

namespace jaggo::verdict {

namespace {

const char* or_unknown(const char* name) {
    return name != nullptr ? name : "unknown";
}

// The attributes the platform has, in glxinfo's order; those it has not are left out.
std::string configuration_text(const WindowResult& r) {
    const ConfigurationAttributes& a = r.attributes;
    std::string text = std::to_string(r.configuration) + ":";
    if (!a.found) return text + " its attributes cannot be read on this platform";
    const struct {
        const char* name;
        const std::optional<std::int32_t>& value;
    } numbers[] = {{"sample buffers", a.sample_buffers},
                   {"samples", a.samples},
                   {"red", a.red},
                   {"green", a.green},
                   {"blue", a.blue},
                   {"alpha", a.alpha},
                   {"depth", a.depth},
                   {"stencil", a.stencil}};
    const char* separator = " ";
    for (const auto& n : numbers) {
        if (!n.value) continue;
        text += separator + std::string(n.name) + " " + std::to_string(*n.value);
        separator = ", ";
    }
    if (a.srgb_capable) text += separator + std::string("sRGB capable ") + (*a.srgb_capable ? "yes" : "no");
    if (a.caveat != nullptr) text += separator + std::string("caveat ") + a.caveat;
    return text;
}

}  // namespace

void platform_line(const WindowResult& r, char* out, std::size_t size) {
    std::snprintf(out, size, "Platform: %s on %s; GLFW %s", or_unknown(r.platform.context_api),
                  or_unknown(r.platform.window_system), or_unknown(r.platform.glfw));
}

void print_lines(const WindowResult& result) {
    char line[2400];
    platform_line(result, line, sizeof line);
    std::printf("%s\n", line);
    std::printf("Configuration: %s\n", configuration_text(result).c_str());
    if (result.pictured) {
        picture::edges_line(result.judged, line, sizeof line);
        std::printf("%s\n", line);
        picture::coverage_line(result.judged, line, sizeof line);
        std::printf("%s\n", line);
        picture::presented_line(result.presented, line, sizeof line);
        std::printf("%s\n", line);
        picture::samples_line(result.samples, line, sizeof line);
        std::printf("%s\n", line);
    }
    std::printf("Verdict: %s\n", result.judged.conclusion.text);
    expectation_line(result.expectation, line, sizeof line);
    if (line[0] != '\0') std::printf("%s\n", line);
    std::fflush(stdout);
}

void show_in_title(GLFWwindow* window, const WindowResult& result) {
    char title[720];
    std::snprintf(title, sizeof title, "%s: %s", scene::window_title, result.judged.conclusion.text);
    glfwSetWindowTitle(window, title);
}

}  // namespace jaggo::verdict
