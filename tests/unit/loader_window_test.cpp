// jaggo tests: the entry-point loader on a real OpenGL context made by GLFW.
// Needs an X display (run under xvfb-run); exits 77 when there is none.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>

#include "app/required_gl.h"
#include "gl_loader/gl.h"
// GLFW comes with jaggo::app, which includes no GL header of its own (GLFW_INCLUDE_NONE).
#include <GLFW/glfw3.h>

namespace jaggo::gl {
namespace {

GLFWwindow* window = nullptr;
long lookups = 0;
long found = 0;

GLProc counting_glfw(void*, const char* name) {
    ++lookups;
    GLProc address = glfwGetProcAddress(name);
    if (address != nullptr) ++found;
    return address;
}

class RealContext : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
        window = glfwCreateWindow(80, 40, "jaggo loader test", nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        glfwMakeContextCurrent(window);
    }
    // GLFW is not terminated: that unloads Mesa's driver, and LeakSanitizer
    // could then no longer attribute the driver's own leftovers to it.
    static void TearDownTestSuite() {
        if (window != nullptr) glfwDestroyWindow(window);
    }
};

TEST_F(RealContext, VersionAndFlagsMatchTheContext) {
    const GLLoadResult result = load_gl(glfwGetProcAddress);
    EXPECT_EQ(result.status, GLLoadStatus::loaded);
    const GLVersionCode code = result.code;
    ASSERT_NE(glGetString, nullptr);
    const char* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(text, nullptr);
    // Read the leading "major.minor" by hand, independently of the loader.
    char* end = nullptr;
    const long major = std::strtol(text, &end, 10);
    ASSERT_EQ(*end, '.') << text;
    const long minor = std::strtol(end + 1, nullptr, 10);
    EXPECT_EQ(code, major * 10000 + minor) << text;
    EXPECT_GE(code, 20000);

    const int versions[12][2] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5},
                                 {2, 0}, {2, 1}, {3, 0}, {3, 1}, {3, 2}, {3, 3}};
    const std::int32_t flags[12] = {gl_version_1_0, gl_version_1_1, gl_version_1_2, gl_version_1_3,
                                    gl_version_1_4, gl_version_1_5, gl_version_2_0, gl_version_2_1,
                                    gl_version_3_0, gl_version_3_1, gl_version_3_2, gl_version_3_3};
    for (int i = 0; i < 12; ++i) {
        const bool provided = major > versions[i][0] || (major == versions[i][0] && minor >= versions[i][1]);
        EXPECT_EQ(flags[i], provided ? 1 : 0) << versions[i][0] << "." << versions[i][1];
    }

    // The context's own extension list, read with plain GL calls.
    std::set<std::string> extensions;
    if (code >= 30000) {
        GLint major_int = 0, minor_int = 0, count = 0;
        glGetIntegerv(GL_MAJOR_VERSION, &major_int);
        glGetIntegerv(GL_MINOR_VERSION, &minor_int);
        EXPECT_EQ(code, major_int * 10000 + minor_int);
        glGetIntegerv(GL_NUM_EXTENSIONS, &count);
        for (GLint i = 0; i < count; ++i) {
            extensions.insert(
                reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i))));
        }
    } else {
        std::istringstream words(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
        for (std::string word; words >> word;) extensions.insert(word);
    }
    EXPECT_EQ(gl_arb_multisample, extensions.count("GL_ARB_multisample") ? 1 : 0);
    EXPECT_EQ(gl_arb_robustness, extensions.count("GL_ARB_robustness") ? 1 : 0);
    EXPECT_EQ(gl_khr_debug, extensions.count("GL_KHR_debug") ? 1 : 0);

    // Count what a run looks up and finds on this context.
    lookups = found = 0;
    EXPECT_EQ(load_gl_with(counting_glfw, nullptr).code, code);
    std::printf("GL_VERSION \"%s\": code %d, %ld lookups, %ld found\n", text, code, lookups, found);
    std::printf(
        "flags 1.0..3.3: %d%d%d%d%d%d%d%d%d%d%d%d, ARB_multisample %d, ARB_robustness %d, "
        "KHR_debug %d\n",
        flags[0], flags[1], flags[2], flags[3], flags[4], flags[5], flags[6], flags[7], flags[8], flags[9],
        flags[10], flags[11], gl_arb_multisample, gl_arb_robustness, gl_khr_debug);
}

TEST_F(RealContext, EntryPointsTheProgramCallsAreResolved) {
    ASSERT_EQ(load_gl(glfwGetProcAddress).status, GLLoadStatus::loaded);
#define JAGGO_EXPECT_RESOLVED(name) EXPECT_NE(name, nullptr) << #name;
    JAGGO_REQUIRED_GL(JAGGO_EXPECT_RESOLVED)
    JAGGO_OPTIONAL_GL(JAGGO_EXPECT_RESOLVED)
#undef JAGGO_EXPECT_RESOLVED
    // The pointers work: clearing and reading back a pixel goes through them.
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    GLubyte pixel[4] = {0, 0, 0, 0};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[1], 255);
}

}  // namespace
}  // namespace jaggo::gl

int main(int argc, char** argv) {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::puts("loader_window_test: no DISPLAY, skipped");
        return 77;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
