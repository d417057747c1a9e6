// jaggo tests: the judging program's JSON object, read back by the JSON library: a driver's strings
// escaped, bytes that are not UTF-8 replaced rather than passed on, and what was not read is null.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "picture/judgement.h"
#include "verdict/print_json.h"

namespace {

using jaggo::verdict::json_line;
using jaggo::verdict::WindowResult;

TEST(VerdictJson, StringsAreEscapedAndBadBytesReplaced) {
    WindowResult r;
    r.asked = 4;
    r.opened = true;
    r.configuration = 285;
    r.claimed = 8;
    r.renderer = std::string("GPU \"X\"\n\xff\xfe tab\t");
    r.pictured = true;
    r.judged.right.samples = 0;  // levels that fit no count
    r.judged.left.samples = 1;
    r.judged.conclusion = jaggo::picture::cannot_judge("why");
    r.status = jaggo::verdict::unjudged;

    const std::string line = json_line(r);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const auto j = nlohmann::json::parse(line);  // throws, failing the test, on invalid JSON
    EXPECT_EQ(j["renderer"], "GPU \"X\"\n\xef\xbf\xbd\xef\xbf\xbd tab\t");
    EXPECT_TRUE(j["vendor"].is_null());
    EXPECT_TRUE(j["right"]["samples"].is_null());
    EXPECT_EQ(j["left"]["samples"], 1);
    EXPECT_EQ(j["verdict"], "none could be made: why");
    EXPECT_EQ(j["status"], 4);
    EXPECT_EQ(j["gl_samples"], 8);
}

TEST(VerdictJson, AWindowThatCouldNotOpenHasNoReadings) {
    WindowResult r;
    r.asked = 16;
    jaggo::verdict::could_not_open(&r);
    const auto j = nlohmann::json::parse(json_line(r));
    EXPECT_TRUE(j["configuration"].is_null());
    EXPECT_TRUE(j["left"].is_null());
    EXPECT_EQ(j["status"], 1);
}

}  // namespace
