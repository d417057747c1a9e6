// jaggo tests: the entry-point loader against a fake context: the lookup
// sequence, version strings, extension matching, failures and reruns.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gl_loader/gl.h"
#include "unit/loader_fake.h"

namespace jaggo::gl {
namespace {

const std::array<std::int32_t*, 12> version_flags = {
    &gl_version_1_0, &gl_version_1_1, &gl_version_1_2, &gl_version_1_3, &gl_version_1_4, &gl_version_1_5,
    &gl_version_2_0, &gl_version_2_1, &gl_version_3_0, &gl_version_3_1, &gl_version_3_2, &gl_version_3_3};

// The twelve version flags as a string of digits, 1.0 first: "111111111111".
std::string version_flag_digits() {
    std::string digits;
    for (const std::int32_t* flag : version_flags) digits += std::to_string(*flag);
    return digits;
}

std::string extension_flag_digits() {
    return std::to_string(gl_arb_multisample) + std::to_string(gl_arb_robustness) +
           std::to_string(gl_khr_debug);
}

// Every variable of the table by name, as a plain address.
std::map<std::string, GLProc> table() {
    std::map<std::string, GLProc> out;
#define JAGGO_GL_READ(ret, name, params) out[#name] = reinterpret_cast<GLProc>(name);
    JAGGO_GL_COMMANDS(JAGGO_GL_READ)
#undef JAGGO_GL_READ
    return out;
}

std::vector<std::string> looked_up() {
    std::vector<std::string> names;
    for (const auto& lookup : fake::lookups) names.push_back(lookup.first);
    return names;
}

const std::vector<const char*> all_three = {"GL_ARB_multisample", "GL_ARB_robustness", "GL_KHR_debug"};

class Loader : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    void TearDown() override { fake::reset(); }
};

// One group of the resolution order, as the registry defines it.
struct Group {
    std::size_t size;
    const char* first;
    const char* last;
};

TEST_F(Loader, FullContextLooksUpEveryGroupInOrder) {
    fake::version = "4.6.0 NVIDIA 535.54.03";
    fake::use_indexed({"GL_ARB_ES2_compatibility", "GL_ARB_multisample", "GL_ARB_robustness", "GL_KHR_debug",
                       "GL_KHR_no_error", "GL_ARB_internalformat_query"});
    int user = 0;
    EXPECT_EQ(load_gl_with(fake::resolve, &user).code, 40006);
    EXPECT_EQ(fake::last_user, &user);
    EXPECT_EQ(version_flag_digits(), "111111111111");
    EXPECT_EQ(extension_flag_digits(), "111");
    EXPECT_EQ(gl_arb_internalformat_query, 1);

    const std::vector<Group> groups = {
        {1, "glGetString", "glGetString"},
        {306, "glAccum", "glViewport"},
        {30, "glAreTexturesResident", "glVertexPointer"},
        {4, "glCopyTexSubImage3D", "glTexSubImage3D"},
        {46, "glActiveTexture", "glSampleCoverage"},
        {47, "glBlendColor", "glWindowPos3sv"},
        {19, "glBeginQuery", "glUnmapBuffer"},
        {93, "glAttachShader", "glVertexAttribPointer"},
        {6, "glUniformMatrix2x3fv", "glUniformMatrix4x3fv"},
        {84, "glBeginConditionalRender", "glVertexAttribIPointer"},
        {15, "glBindBufferBase", "glUniformBlockBinding"},
        {19, "glClientWaitSync", "glWaitSync"},
        {58, "glBindFragDataLocationIndexed", "glVertexP4uiv"},
        {1, "glSampleCoverageARB", "glSampleCoverageARB"},
        {20, "glGetGraphicsResetStatusARB", "glReadnPixelsARB"},
        {11, "glDebugMessageCallback", "glPushDebugGroup"},
        {1, "glGetInternalformativ", "glGetInternalformativ"},
    };
    const std::vector<std::string> names = looked_up();
    ASSERT_EQ(names.size(), 761u);
    std::size_t at = 0;
    for (const Group& group : groups) {
        SCOPED_TRACE(group.first);
        EXPECT_EQ(names[at], group.first);
        EXPECT_EQ(names[at + group.size - 1], group.last);
        for (std::size_t i = at + 1; i < at + group.size; ++i) EXPECT_LT(names[i - 1], names[i]);
        at += group.size;
    }
    // The extension groups are given name by name.
    const std::vector<std::string> extension_groups = {"glSampleCoverageARB",
                                                       "glGetGraphicsResetStatusARB",
                                                       "glGetnColorTableARB",
                                                       "glGetnCompressedTexImageARB",
                                                       "glGetnConvolutionFilterARB",
                                                       "glGetnHistogramARB",
                                                       "glGetnMapdvARB",
                                                       "glGetnMapfvARB",
                                                       "glGetnMapivARB",
                                                       "glGetnMinmaxARB",
                                                       "glGetnPixelMapfvARB",
                                                       "glGetnPixelMapuivARB",
                                                       "glGetnPixelMapusvARB",
                                                       "glGetnPolygonStippleARB",
                                                       "glGetnSeparableFilterARB",
                                                       "glGetnTexImageARB",
                                                       "glGetnUniformdvARB",
                                                       "glGetnUniformfvARB",
                                                       "glGetnUniformivARB",
                                                       "glGetnUniformuivARB",
                                                       "glReadnPixelsARB",
                                                       "glDebugMessageCallback",
                                                       "glDebugMessageControl",
                                                       "glDebugMessageInsert",
                                                       "glGetDebugMessageLog",
                                                       "glGetObjectLabel",
                                                       "glGetObjectPtrLabel",
                                                       "glGetPointerv",
                                                       "glObjectLabel",
                                                       "glObjectPtrLabel",
                                                       "glPopDebugGroup",
                                                       "glPushDebugGroup",
                                                       "glGetInternalformativ"};
    EXPECT_EQ(std::vector<std::string>(names.end() - 33, names.end()), extension_groups);

    // Exactly these names are looked up twice; every variable holds the
    // address of its name's last lookup, so the later lookup wins.
    std::map<std::string, int> times;
    std::map<std::string, GLProc> last;
    for (const auto& lookup : fake::lookups) {
        ++times[lookup.first];
        last[lookup.first] = lookup.second;
    }
    std::set<std::string> twice;
    for (const auto& entry : times) {
        if (entry.second == 2) twice.insert(entry.first);
        EXPECT_LE(entry.second, 2) << entry.first;
    }
    EXPECT_EQ(twice, (std::set<std::string>{"glBindBufferBase", "glBindBufferRange", "glGetIntegeri_v",
                                            "glGetPointerv", "glGetString"}));
    const std::map<std::string, GLProc> variables = table();
    EXPECT_EQ(variables.size(), 756u);
    EXPECT_EQ(last, variables);
    for (const auto& entry : variables) EXPECT_NE(entry.second, nullptr) << entry.first;
}

TEST_F(Loader, LoadGlPassesTheQueryThrough) {
    static int calls = 0;
    calls = 0;
    const GLQueryFn query = [](const char* name) {
        ++calls;
        return fake::resolve(nullptr, name);
    };
    EXPECT_EQ(query_resolver(reinterpret_cast<void*>(query), "glGetString"),
              reinterpret_cast<GLProc>(&fake::get_string));
    fake::version = "2.1 Mesa";
    EXPECT_EQ(load_gl(query).code, 20001);
    EXPECT_EQ(calls, 1 + 1 + 551);
}

struct VersionCase {
    const char* version;
    GLVersionCode code;
    const char* flags;  // 1.0 to 3.3
    bool indexed;       // whether the indexed extension list is read
};

TEST_F(Loader, VersionStrings) {
    const VersionCase cases[] = {
        {"4.6.0 NVIDIA 535.54.03", 40006, "111111111111", true},
        {"3.3 (Core Profile) Mesa 22.3.6", 30003, "111111111111", true},
        {"OpenGL ES 3.2 Mesa 22.3.6", 30002, "111111111110", true},
        {"OpenGL ES-CM 1.1 Mesa", 10001, "110000000000", false},
        {"OpenGL ES-CL 1.0", 10000, "100000000000", false},
        {"OpenGL SC 2.0 Vendor", 20000, "111111100000", false},
        {"2.1 Mesa 22.3.6", 20001, "111111110000", false},
        {"3.0", 30000, "111111111000", true},
        {"1.5.2", 10005, "111111000000", false},
        {"4", 40000, "111111111111", true},
        {"  3.1", 30001, "111111111100", true},
        // A prefix without its blank, vendor text first, no number at all.
        {"OpenGL ES3.2", 0, "000000000000", false},
        {"Vendor 4.6", 0, "000000000000", false},
        {"", 0, "000000000000", false},
        {"3 .3", 30000, "111111111000", true},
        // At most one prefix is skipped.
        {"OpenGL ES OpenGL SC 2.0", 0, "000000000000", false},
        // The largest version that fits the code, and numbers beyond it.
        {"214748.3647", 2147483647, "111111111111", true},
        {"214748.3648", 0, "000000000000", false},
        {"99999999999.9", 0, "000000000000", false},
        {"-214749.0", 0, "000000000000", false},
        // Numbers too large for an int saturate, so these codes overflow too.
        {"1.99999999999999999999", 0, "000000000000", false},
        {"-99999999999999999999.0", 0, "000000000000", false},
        // major * 10000 alone is out of range, but the code with the minor fits.
        {"214749.-100000", 2147390000, "111111111111", true},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.version);
        fake::reset();
        fake::version = c.version;
        fake::use_indexed(all_three);
        fake::extension_string = "GL_ARB_multisample GL_ARB_robustness GL_KHR_debug";
        const GLLoadResult result = load_gl_with(fake::resolve, nullptr);
        EXPECT_EQ(result.status, GLLoadStatus::loaded);
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(version_flag_digits(), c.flags);
        EXPECT_EQ(fake::integerv_calls > 0, c.indexed);
        EXPECT_EQ(fake::extension_string_calls > 0, !c.indexed);
        EXPECT_EQ(extension_flag_digits(), "111");
        // The groups follow the flags: 1.0 starts with glAccum, 3.3 holds glVertexP2ui.
        EXPECT_EQ(glAccum != nullptr, c.flags[0] == '1');
        EXPECT_EQ(glVertexP2ui != nullptr, c.flags[11] == '1');
    }
}

// Each case starts with all three flags set, so a 0 is always written.
TEST_F(Loader, SingleStringMatchesWholeWordsOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"GL_ARB_multisample GL_ARB_robustness GL_KHR_debug", "111"},
        {"GL_KHR_debug", "001"},
        {"GL_ARB_multisample_x GL_ARB_robustnessX XGL_KHR_debug", "000"},
        {"GL_ARB_multisample\tGL_ARB_robustness\nGL_KHR_debug,", "000"},
        {"GL_KHR_debug\tGL_ARB_robustness", "000"},
        {"GL_KHR_debugGL_KHR_debug", "000"},
        {"GL_ARB_multisample_x GL_ARB_multisample", "100"},
        {"GL_ARB_robustness_isolation GL_ARB_robustness ", "010"},
        {"  GL_KHR_debug  ", "001"},
        {"", "000"},
        {nullptr, "000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first ? c.first : "(null)");
        fake::reset();
        gl_arb_multisample = gl_arb_robustness = gl_khr_debug = 1;
        fake::version = "2.1 Mesa";
        fake::extension_string = c.first;
        EXPECT_EQ(load_gl_with(fake::resolve, nullptr).code, 20001);
        EXPECT_EQ(extension_flag_digits(), c.second);
        EXPECT_EQ(glSampleCoverageARB != nullptr, c.second[0] == '1');
        EXPECT_EQ(glGetnUniformivARB != nullptr, c.second[1] == '1');
        EXPECT_EQ(glDebugMessageCallback != nullptr, c.second[2] == '1');
    }
}

TEST_F(Loader, IndexedListMatchesExactEntries) {
    fake::version = "3.3 Mesa";
    // Unreadable entries (null) and entries past the list's end stay empty.
    fake::use_indexed({"GL_KHR_debug_extra", nullptr, "GL_ARB_robustness", "", "GL_KHR_debu"});
    fake::reported_count = 7;
    EXPECT_EQ(load_gl_with(fake::resolve, nullptr).code, 30003);
    EXPECT_EQ(extension_flag_digits(), "010");
}

TEST_F(Loader, FailedIndexedGatheringKeepsExtensionFlags) {
    for (int which = 0; which < 3; ++which) {
        SCOPED_TRACE(which);
        fake::reset();
        fake::version = "3.3 Mesa";
        fake::use_indexed(all_three);
        if (which == 0) fake::reported_count = 0;
        if (which == 1) fake::have_get_stringi = false;
        if (which == 2) fake::have_get_integerv = false;
        gl_arb_multisample = 1;
        const GLLoadResult result = load_gl_with(fake::resolve, nullptr);
        EXPECT_EQ(result.status, GLLoadStatus::no_extension_list);
        EXPECT_EQ(result.code, 0);
        EXPECT_EQ(version_flag_digits(), "111111111111");
        EXPECT_NE(glVertexP2ui, nullptr);
        EXPECT_EQ(extension_flag_digits(), "100");
        EXPECT_EQ(glSampleCoverageARB, nullptr);
        EXPECT_EQ(fake::lookups.size(), 1u + 727u);
    }
}

TEST_F(Loader, EarlyFailuresLoadNothing) {
    gl_version_1_0 = 1;
    // The resolver does not know glGetString.
    const GLLoadResult unknown = load_gl_with(
        [](void*, const char* name) {
            fake::lookups.emplace_back(name, nullptr);
            return GLProc{};
        },
        nullptr);
    EXPECT_EQ(unknown.status, GLLoadStatus::no_get_string);
    EXPECT_EQ(unknown.code, 0);
    EXPECT_EQ(looked_up(), std::vector<std::string>{"glGetString"});
    EXPECT_EQ(glGetString, nullptr);
    // glGetString gives no version string.
    fake::lookups.clear();
    fake::version_answers = 0;
    const GLLoadResult no_version = load_gl_with(fake::resolve, nullptr);
    EXPECT_EQ(no_version.status, GLLoadStatus::no_version);
    EXPECT_EQ(no_version.code, 0);
    EXPECT_EQ(looked_up(), std::vector<std::string>{"glGetString"});
    EXPECT_EQ(version_flag_digits(), "100000000000");
    // The second version query gives none: no flag is written and the groups
    // follow the flags already there.
    fake::lookups.clear();
    fake::version_answers = 1;
    fake::extension_string = "GL_KHR_debug";
    EXPECT_EQ(load_gl_with(fake::resolve, nullptr).code, 0);
    EXPECT_EQ(version_flag_digits(), "100000000000");
    EXPECT_EQ(fake::lookups.size(), 1u + 306u + 11u);
}

TEST_F(Loader, ResolverKnowingOnlyGlGetString) {
    fake::version = "2.1 Mesa";
    fake::only_get_string = true;
    fake::extension_string = "GL_ARB_multisample";
    EXPECT_EQ(load_gl_with(fake::resolve, nullptr).code, 20001);
    EXPECT_EQ(fake::lookups.size(), 1u + 551u + 1u);
    EXPECT_EQ(gl_arb_multisample, 1);
    for (const auto& entry : table()) {
        EXPECT_EQ(entry.second != nullptr, entry.first == "glGetString") << entry.first;
    }
}

TEST_F(Loader, SecondRunOnAnOlderContextKeepsNewerPointers) {
    fake::version = "3.3 Mesa";
    fake::use_indexed(all_three);
    ASSERT_EQ(load_gl_with(fake::resolve, nullptr).code, 30003);
    const std::map<std::string, GLProc> first = table();

    fake::version = "2.1 Mesa";
    fake::extension_string = "GL_KHR_debug";
    EXPECT_EQ(load_gl_with(fake::resolve, nullptr).code, 20001);
    EXPECT_EQ(version_flag_digits(), "111111110000");
    EXPECT_EQ(extension_flag_digits(), "001");
    const std::map<std::string, GLProc> second = table();
    // 3.x-only and robustness pointers stay; 1.0 to 2.1 and KHR_debug are new.
    EXPECT_EQ(second.at("glBindBufferBase"), first.at("glBindBufferBase"));
    EXPECT_EQ(second.at("glVertexP2ui"), first.at("glVertexP2ui"));
    EXPECT_EQ(second.at("glGetnUniformivARB"), first.at("glGetnUniformivARB"));
    EXPECT_NE(second.at("glAccum"), first.at("glAccum"));
    EXPECT_NE(second.at("glUniformMatrix4x3fv"), first.at("glUniformMatrix4x3fv"));
    EXPECT_NE(second.at("glDebugMessageCallback"), first.at("glDebugMessageCallback"));
}

}  // namespace
}  // namespace jaggo::gl
