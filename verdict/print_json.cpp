// jaggo verdict: the JSON object of a judged window. Every object has the same keys in the same
// order, null where a key does not apply, so that a script reads any of them alike. Strings are
// escaped by the JSON library, and a driver's string that is not valid UTF-8 has its bad bytes
// replaced (U+FFFD), never passed on.
#include "verdict/print_json.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "verdict/usage.h"

namespace jaggo::verdict {

namespace {

// Keys in the order written here, not sorted.
using json = nlohmann::ordered_json;

json text(const char* s) {
    return s != nullptr ? json(s) : json(nullptr);
}

json text(const std::optional<std::string>& s) {
    return s ? json(*s) : json(nullptr);
}

template <typename T>
json value(const std::optional<T>& v) {
    return v ? json(*v) : json(nullptr);
}

json attributes(const WindowResult& r) {
    const ConfigurationAttributes& a = r.attributes;
    if (!r.opened || !a.found) return nullptr;
    return {{"sample_buffers", value(a.sample_buffers)},
            {"samples", value(a.samples)},
            {"red", value(a.red)},
            {"green", value(a.green)},
            {"blue", value(a.blue)},
            {"alpha", value(a.alpha)},
            {"depth", value(a.depth)},
            {"stencil", value(a.stencil)},
            {"srgb_capable", value(a.srgb_capable)},
            {"caveat", text(a.caveat)}};
}

json offered(const WindowResult& r) {
    if (!r.offered) return nullptr;
    json counts = json::array();
    for (int i = 0; i < r.offered->count; ++i) counts.push_back(r.offered->counts[i]);
    return {{"api", text(r.offered->api)}, {"counts", r.offered->api != nullptr ? counts : json(nullptr)}};
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

}  // namespace

std::string json_line(const WindowResult& r) {
    const Expectation& e = r.expectation;
    const json object = {
        {"kind", "window"},
        {"program_version", program_version},
        {"asked", r.asked},
        {"platform",
         {{"context_api", text(r.platform.context_api)},
          {"window_system", text(r.platform.window_system)},
          {"glfw", text(r.platform.glfw)}}},
        {"configuration", r.opened ? json(r.configuration) : json(nullptr)},
        {"configuration_attributes", attributes(r)},
        {"gl_samples", r.opened ? json(r.claimed) : json(nullptr)},
        {"vendor", text(r.vendor)},
        {"renderer", text(r.renderer)},
        {"version", text(r.version)},
        {"glsl_version", text(r.glsl)},
        {"extensions", r.extensions ? json(*r.extensions) : json(nullptr)},
        {"offered", offered(r)},
        {"left", square(r, r.judged.left, r.judged.squares.left.intermediate)},
        {"right", square(r, r.judged.right, r.judged.squares.right.intermediate)},
        {"verdict", r.judged.conclusion.text},
        {"expected", e.at_least > 0 ? json(e.at_least) : json(nullptr)},
        {"expectation_met", value(e.met)},
        {"error", r.error.empty() ? json(nullptr) : json(r.error)},
        {"status", static_cast<int>(r.status)},
    };
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

void print_json(const WindowResult& result) {
    std::printf("%s\n", json_line(result).c_str());
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
