// jaggo verdict: the JSON objects of the offscreen objects, one a line. Strings are escaped by the
// JSON library, and a driver's string that is not valid UTF-8 has its bad bytes replaced.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "verdict/print_offscreen.h"

namespace jaggo::verdict {

namespace {

// Keys in the order written here, not sorted.
using json = nlohmann::ordered_json;

json square(const OffscreenResult& r, const picture::Reading& reading, int intermediate) {
    if (!r.pictured) return nullptr;
    json levels = json::array();
    for (int i = 0; i < reading.level_count; ++i) levels.push_back(reading.levels[i]);
    return {{"samples", reading.samples != 0 ? json(reading.samples) : json(nullptr)},
            {"levels", levels},
            {"gamma_correct", reading.gamma},
            {"intermediate_pixels", intermediate}};
}

// The keys every object of the kind shares: where it ran, and the kind's limit and offered counts.
json object_of(const OffscreenRun& run, const KindLimits& k) {
    json offered = nullptr;
    if (k.listed) offered = k.offered;
    return {{"kind", kind_name(k.kind)},
            {"context", run.context},
            {"renderer", run.renderer.empty() ? json(nullptr) : json(run.renderer)},
            {"max_samples",
             k.unavailable == nullptr && run.unavailable == nullptr ? json(k.limit) : json(nullptr)},
            {"offered", offered}};
}

std::string line(const json& object) {
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::vector<std::string> offscreen_json_lines(const OffscreenRun& run) {
    std::vector<std::string> lines;
    for (const KindLimits& k : run.kinds) {
        const char* why = run.unavailable != nullptr ? run.unavailable : k.unavailable;
        if (why == nullptr) continue;
        json object = object_of(run, k);
        object.update({{"asked", nullptr},
                       {"granted", nullptr},
                       {"left", nullptr},
                       {"right", nullptr},
                       {"verdict", picture::cannot_judge(why).text},
                       {"status", unjudged}});
        lines.push_back(line(object));
    }
    for (const OffscreenResult& r : run.results) {
        json object = object_of(run, run.kinds[r.kind == ObjectKind::renderbuffer ? 0 : 1]);
        object.update({{"asked", r.asked},
                       {"granted", r.made ? json(r.granted) : json(nullptr)},
                       {"left", square(r, r.judged.left, r.judged.squares.left.intermediate)},
                       {"right", square(r, r.judged.right, r.judged.squares.right.intermediate)},
                       {"verdict", r.judged.conclusion.text},
                       {"status", r.status}});
        lines.push_back(line(object));
    }
    return lines;
}

void print_offscreen_json(const OffscreenRun& run) {
    for (const std::string& l : offscreen_json_lines(run)) std::printf("%s\n", l.c_str());
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
