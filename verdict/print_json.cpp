// jaggo verdict: the JSON object of a judged window. Strings are escaped by the JSON library, and
// a driver's string that is not valid UTF-8 has its bad bytes replaced (U+FFFD), never passed on.
#include "verdict/print_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace jaggo::verdict {

namespace {

// Keys in the order written here, not sorted.
using json = nlohmann::ordered_json;

json text(const std::optional<std::string>& s) {
    return s ? json(*s) : json(nullptr);
}

// A square's reading; null where no picture was read.
json square(const WindowResult& r, const picture::Reading& reading, int intermediate) {
    if (!r.pictured) return nullptr;
    json levels = json::array();
    for (int i = 0; i < reading.level_count; ++i) levels.push_back(reading.levels[i]);
    return {{"samples", reading.samples != 0 ? json(reading.samples) : json(nullptr)},
            {"levels", levels},
            {"gamma_correct", reading.gamma},
            {"intermediate_pixels", intermediate}};
}

// What the window showed of the judged frame: its squares as the left and right above, or why it
// could not be read; null where no picture was read.
json presented(const WindowResult& r) {
    if (!r.pictured) return nullptr;
    const picture::Presented& p = r.presented;
    const bool readable = p.not_readable[0] == '\0';
    const picture::Squares& shown = p.judged.squares;
    return {{"readable", readable},
            {"why_not", readable ? json(nullptr) : json(p.not_readable)},
            {"left", readable ? square(r, p.judged.left, shown.left.intermediate) : json(nullptr)},
            {"right", readable ? square(r, p.judged.right, shown.right.intermediate) : json(nullptr)},
            {"differs", readable ? json(p.differs) : json(nullptr)}};
}

}  // namespace

std::string json_line(const WindowResult& r) {
    const json object = {
        {"asked", r.asked},
        {"configuration", r.opened ? json(r.configuration) : json(nullptr)},
        {"gl_samples", r.opened ? json(r.claimed) : json(nullptr)},
        {"vendor", text(r.vendor)},
        {"renderer", text(r.renderer)},
        {"version", text(r.version)},
        {"glsl_version", text(r.glsl)},
        {"left", square(r, r.judged.left, r.judged.squares.left.intermediate)},
        {"right", square(r, r.judged.right, r.judged.squares.right.intermediate)},
        {"presented", presented(r)},
        {"verdict", r.judged.conclusion.text},
        {"status", r.status},
    };
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

void print_json(const WindowResult& result) {
    std::printf("%s\n", json_line(result).c_str());
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
