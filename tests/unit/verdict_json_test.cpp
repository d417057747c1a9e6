// jaggo tests: the judging program's JSON object, read back by the JSON library: a driver's strings
// escaped, bytes that are not UTF-8 replaced rather than passed on, and what was not read is null.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "picture/judgement.h"
#include "verdict/print_json.h"
#include "verdict/run_offscreen.h"

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

TEST(VerdictJson, EveryObjectHasTheSameKeysInOrderAndNullWhereNothingWasRead) {
    WindowResult opened;
    opened.asked = 4;
    opened.opened = true;
    opened.pictured = true;
    opened.attributes.found = true;
    opened.attributes.samples = 4;  // the others unread: null
    opened.extensions = std::vector<std::string>{"GL_ARB_multisample"};
    opened.status = jaggo::verdict::agrees;
    opened.expectation = jaggo::verdict::hold_to_expectation(8, 4, &opened.status);
    WindowResult failed;
    failed.asked = 16;
    failed.error = "X11: The DISPLAY environment variable is missing";
    jaggo::verdict::could_not_open(&failed);

    const auto a = nlohmann::ordered_json::parse(json_line(opened));
    const auto b = nlohmann::ordered_json::parse(json_line(failed));
    std::vector<std::string> keys_a, keys_b;
    for (const auto& item : a.items()) keys_a.push_back(item.key());
    for (const auto& item : b.items()) keys_b.push_back(item.key());
    EXPECT_EQ(keys_a, keys_b);
    // An offscreen object, made or refused, has the window's keys too.
    jaggo::verdict::OffscreenRun run;
    run.context = "window";
    run.results.resize(2);
    run.results[0].made = true;
    run.results[0].granted = 4;
    run.results[0].pictures = std::vector<std::string>{};
    run.kinds[1].unavailable = "no multisampled textures";
    // The samples read one by one: always an object, its keys in their order, even where none were.
    const std::vector<std::string> sample_keys = {"readable",
                                                  "why_not",
                                                  "distinct",
                                                  "positions_reported",
                                                  "positions_seen",
                                                  "resolve_is_mean",
                                                  "resolve_largest_difference",
                                                  "left_samples_alike",
                                                  "copies_at"};
    const auto keys_of = [](const nlohmann::ordered_json& object) {
        std::vector<std::string> keys;
        for (const auto& item : object.items()) keys.push_back(item.key());
        return keys;
    };
    EXPECT_EQ(keys_of(a["samples_read"]), sample_keys);
    EXPECT_EQ(keys_of(b["samples_read"]), sample_keys);
    const std::vector<std::string> lines = jaggo::verdict::offscreen_json_lines(run);
    // After the object of the kind that cannot be made, the results.
    EXPECT_EQ(nlohmann::json::parse(lines[1])["pictures"], nlohmann::json::array());
    for (const std::string& line : lines) {
        const auto object = nlohmann::ordered_json::parse(line);
        EXPECT_EQ(keys_of(object), keys_a);
        EXPECT_EQ(keys_of(object["samples_read"]), sample_keys);
    }
    EXPECT_EQ(keys_a.front(), "kind");
    EXPECT_EQ(keys_a.back(), "status");
    EXPECT_TRUE(a["configuration_attributes"]["red"].is_null());
    EXPECT_EQ(a["configuration_attributes"]["samples"], 4);
    EXPECT_EQ(a["extensions"][0], "GL_ARB_multisample");
    EXPECT_EQ(a["expected"], 8);
    EXPECT_EQ(a["expectation_met"], false);
    EXPECT_EQ(a["status"], 5);
    EXPECT_TRUE(b["configuration"].is_null());
    EXPECT_TRUE(b["left"].is_null());
    EXPECT_TRUE(b["extensions"].is_null());
    EXPECT_TRUE(b["expectation_met"].is_null());
    EXPECT_TRUE(b["pictures"].is_null());  // no -p; with it, a list, empty where nothing was written
    EXPECT_EQ(b["error"], "X11: The DISPLAY environment variable is missing");
    EXPECT_EQ(b["status"], 1);
}

TEST(VerdictJson, OffscreenObjectsNotJudgedAreOneOfEachKindWithTheError) {
    const auto run = jaggo::verdict::not_judged("no context", "EGL lists no devices");
    std::vector<std::string> kinds;
    for (const std::string& line : jaggo::verdict::offscreen_json_lines(run)) {
        const auto object = nlohmann::json::parse(line);
        kinds.push_back(object["kind"]);
        EXPECT_EQ(object["error"], "EGL lists no devices");
        EXPECT_EQ(object["status"], 1);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"renderbuffer", "texture"}));
}

}  // namespace
