// jaggo tests: the offered sample counts on a real GLX context made by GLFW, held against what the
// GLX probe (GLX_PROBE, linked with libGL) lists for the same display.
// Needs an X display (run under with_xvfb.py); exits 77 when there is none.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "platform/offered_samples.h"
// GLFW comes with jaggo::app, which includes no GL header of its own (GLFW_INCLUDE_NONE).
#include <GLFW/glfw3.h>

namespace jaggo {
namespace {

int glfw_errors = 0;

// The sample counts of every configuration the probe lists ("id samples sample-buffers" lines).
std::set<int> probed_counts() {
    const char* probe = std::getenv("GLX_PROBE");
    std::set<int> counts;
    if (probe == nullptr) {
        ADD_FAILURE() << "GLX_PROBE is not set";
        return counts;
    }
    FILE* out = popen((std::string("'") + probe + "' configs").c_str(), "r");
    if (out == nullptr) {
        ADD_FAILURE() << "cannot run " << probe;
        return counts;
    }
    int id = 0, samples = 0, buffers = 0;
    while (std::fscanf(out, "%d %d %d", &id, &samples, &buffers) == 3) counts.insert(samples);
    EXPECT_EQ(pclose(out), 0) << probe;
    return counts;
}

TEST(OfferedSamples, GlxListsTheProbesCountsOnlyWithTheContextCurrent) {
    glfwSetErrorCallback([](int, const char*) { ++glfw_errors; });
    ASSERT_EQ(glfwInit(), GLFW_TRUE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(80, 40, "jaggo offered samples test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    glfw_errors = 0;

    const OfferedSamples offered = offered_sample_counts(window);
    ASSERT_NE(offered.api, nullptr);
    EXPECT_STREQ(offered.api, "GLX");
    for (int i = 1; i < offered.count; ++i) EXPECT_LT(offered.counts[i - 1], offered.counts[i]);
    const std::set<int> listed(offered.counts, offered.counts + offered.count);
    EXPECT_EQ(listed, probed_counts());
    std::printf("GLX offers:");
    for (const int samples : listed) std::printf(" %d", samples);
    std::printf("\n");

    glfwMakeContextCurrent(nullptr);
    const OfferedSamples not_current = offered_sample_counts(window);
    EXPECT_EQ(not_current.api, nullptr);
    EXPECT_EQ(not_current.count, 0);
    EXPECT_EQ(glfw_errors, 0);
    // GLFW is not terminated: that unloads Mesa's driver, and LeakSanitizer
    // could then no longer attribute the driver's own leftovers to it.
    glfwDestroyWindow(window);
}

}  // namespace
}  // namespace jaggo

int main(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::puts("offered_samples_window_test: no DISPLAY, skipped");
        return 77;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
