// jaggo tests: the context report against a fake driver: the "Context" line,
// the information block, the extension list, old contexts and missing strings.
#include "app/report.h"
#include "app/command_line.h"
#include "app/required_gl.h"
#include "gl_loader/gl.h"
#include "platform/pixel_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace jaggo::gl;

// What the fake driver answers.
const char* vendor;
const char* renderer;
const char* version;
const char* glsl;
const char* extension_string;
std::vector<const char*> extensions;
GLint sample_count;
GLint major_answer;
GLint minor_answer;
std::vector<GLenum> integer_queries;

const GLubyte* JAGGO_APIENTRY fake_get_string(GLenum name) {
    const char* s = name == GL_VENDOR                     ? vendor
                    : name == GL_RENDERER                 ? renderer
                    : name == GL_VERSION                  ? version
                    : name == GL_SHADING_LANGUAGE_VERSION ? glsl
                    : name == GL_EXTENSIONS               ? extension_string
                                                          : nullptr;
    return reinterpret_cast<const GLubyte*>(s);
}

// Like a real driver, leaves the destination alone for what it does not know.
void JAGGO_APIENTRY fake_get_integerv(GLenum name, GLint* data) {
    integer_queries.push_back(name);
    if (name == GL_SAMPLES) *data = sample_count;
    if (name == GL_MAJOR_VERSION) *data = major_answer;
    if (name == GL_MINOR_VERSION) *data = minor_answer;
    if (name == GL_NUM_EXTENSIONS) *data = static_cast<GLint>(extensions.size());
}

const GLubyte* JAGGO_APIENTRY fake_get_stringi(GLenum name, GLuint index) {
    if (name != GL_EXTENSIONS || index >= extensions.size()) return nullptr;
    return reinterpret_cast<const GLubyte*>(extensions[index]);
}

const std::string rule(61, '-');

class Report : public testing::Test {
protected:
    void SetUp() override {
        vendor = "Mesa";
        renderer = "llvmpipe (LLVM 15.0.6, 256 bits)";
        version = "4.5 (Compatibility Profile) Mesa 22.3.6";
        glsl = "4.50";
        extension_string = nullptr;
        extensions = {"GL_ARB_multisample", "GL_KHR_debug", "GL_ARB_robustness"};
        sample_count = 4;
        major_answer = 4;
        minor_answer = 5;
        integer_queries.clear();
        glGetString = fake_get_string;
        glGetIntegerv = fake_get_integerv;
        glGetStringi = fake_get_stringi;
    }
    static std::string info(std::int32_t list) {
        testing::internal::CaptureStdout();
        jaggo::print_context_info(list);
        std::fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }
    static std::string shown(const char* s) { return s != nullptr ? s : "(none)"; }
    static std::string block(const std::string& version_numbers) {
        return rule + "\nGL Vendor    : " + shown(vendor) + "\nGL Renderer  : " + shown(renderer) +
               "\nGL Version   : " + shown(version) + "\nGL Version   : " + version_numbers +
               "\nGLSL Version : " + shown(glsl) + "\n" + rule + "\n";
    }
};

TEST_F(Report, ContextLineCarriesTheReportedCount) {
    jaggo::chosen_pixel_format = 285;
    const struct {
        std::int32_t requested, reported;
        const char* line;
    } cases[] = {
        {4, 8, "Context 285 reports MSAA is available with 8 samples\n"},
        {0, 4, "Context 285 reports MSAA is available with 4 samples\n"},
        {4, 0, "Context 285 reports MSAA is unavailable\n"},
    };
    for (const auto& c : cases) {
        jaggo::samples = c.requested;
        sample_count = c.reported;
        jaggo::list_extensions = 0;
        testing::internal::CaptureStdout();
        jaggo::print_context_report();
        std::fflush(stdout);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.line + block("4.5"));
        EXPECT_EQ(jaggo::samples, c.reported);
    }
}

TEST_F(Report, ModernContextAnswersWithIntegersAndIndexedNames) {
    major_answer = 4;  // the integers are the driver's, not parsed from the string
    minor_answer = 6;
    EXPECT_EQ(info(0), block("4.6"));
    extensions[1] = nullptr;  // a name the driver fails to give
    EXPECT_EQ(info(1), block("4.6") + "GL_ARB_multisample\n(none)\nGL_ARB_robustness\n");
}

TEST_F(Report, OldContextIsAnsweredFromItsStrings) {
    version = "2.1 Mesa 22.3.6";
    extension_string = "GL_ARB_multisample  GL_KHR_debug GL_EXT_abgr ";
    major_answer = minor_answer = 9;  // must not be asked below 3.0
    EXPECT_EQ(info(1), block("2.1") + "GL_ARB_multisample\nGL_KHR_debug\nGL_EXT_abgr\n");
    EXPECT_EQ(integer_queries, std::vector<GLenum>{});

    // An old context's loader leaves glGetStringi null; an ES version is parsed too.
    glGetStringi = nullptr;
    version = "OpenGL ES 2.0 Mesa";
    EXPECT_EQ(info(1), block("2.0") + "GL_ARB_multisample\nGL_KHR_debug\nGL_EXT_abgr\n");
}

TEST_F(Report, MissingStringsArePrintedAsPlaceholders) {
    vendor = renderer = version = glsl = nullptr;
    EXPECT_EQ(info(1), rule +
                           "\nGL Vendor    : (none)\nGL Renderer  : (none)\nGL Version   : (none)\n"
                           "GL Version   : 0.0\nGLSL Version : (none)\n" +
                           rule + "\n(none)\n");
}

TEST(RequiredGl, NamesTheFirstMissingEntryPoint) {
    // Fill the table with some address for each required entry point; none is called.
    auto any = reinterpret_cast<void (*)()>(&fake_get_stringi);
#define JAGGO_FILL(name) name = reinterpret_cast<decltype(name)>(any);
    JAGGO_REQUIRED_GL(JAGGO_FILL)
#undef JAGGO_FILL
    glGetStringi = nullptr;  // optional: the report does without it
    EXPECT_EQ(jaggo::first_missing_entry_point(), nullptr);

    glUniformMatrix4fv = nullptr;
    EXPECT_STREQ(jaggo::first_missing_entry_point(), "glUniformMatrix4fv");
    glCreateShader = nullptr;  // the 2.0 entry points a 1.x context lacks
    EXPECT_STREQ(jaggo::first_missing_entry_point(), "glCreateShader");
}

}  // namespace
