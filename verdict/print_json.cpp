// jaggo verdict: the JSON objects of judged windows and offscreen objects. Every object has the
// same keys in the same order, null where a key does not apply, so that a script reads any of them
// alike. Strings are
// escaped by the JSON library, and a driver's string that is not valid UTF-8 has its bad bytes
// replaced (U+FFFD), never passed on.
#include "verdict/print_json.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <utility>

#include "verdict/usage.h"

namespace jaggo::verdict {

namespace {

// Keys in the order they are first set, not sorted.
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

// Every object's keys, in their order, all null but the kind and the version: each kind of
// object fills in what applies to it.
json blank(const char* kind) {
    json object = {{"kind", kind}, {"program_version", program_version}};
    for (const char* key :
         {"asked",           "context",      "platform",     "configuration", "configuration_attributes",
          "gl_samples",      "max_samples",  "granted",      "vendor",        "renderer",
          "version",         "glsl_version", "extensions",   "offered",       "left",
          "right",           "presented",    "samples_read", "verdict",       "expected",
          "expectation_met", "error",        "pictures",     "status"}) {
        object[key] = nullptr;
    }
    return object;
}

json platform(const PlatformNames& p) {
    return {{"context_api", text(p.context_api)},
            {"window_system", text(p.window_system)},
            {"glfw", text(p.glfw)}};
}

json attributes(const ConfigurationAttributes& a) {
    if (!a.found) return nullptr;
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

json offered(const OfferedSamples& o) {
    json counts = json::array();
    for (int i = 0; i < o.count; ++i) counts.push_back(o.counts[i]);
    return {{"api", text(o.api)}, {"counts", o.api != nullptr ? counts : json(nullptr)}};
}

// A square's reading; null where no picture was read.
json square(bool pictured, const picture::Reading& reading, int intermediate) {
    if (!pictured) return nullptr;
    json levels = json::array();
    for (int i = 0; i < reading.level_count; ++i) levels.push_back(reading.levels[i]);
    return {{"samples", reading.samples != 0 ? json(reading.samples) : json(nullptr)},
            {"levels", levels},
            {"gamma_correct", reading.gamma},
            {"intermediate_pixels", intermediate}};
}

// The picture's keys: the squares, the verdict and the expectation.
void set_judgement(json* object, bool pictured, const picture::Judgement& judged, const Expectation& e) {
    (*object)["left"] = square(pictured, judged.left, judged.squares.left.intermediate);
    (*object)["right"] = square(pictured, judged.right, judged.squares.right.intermediate);
    (*object)["verdict"] = judged.conclusion.text;
    if (e.at_least > 0) (*object)["expected"] = e.at_least;
    (*object)["expectation_met"] = value(e.met);
}

std::string line(const json& object) {
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

// The keys every object of an offscreen run shares: where it ran and the kind's limit.
json offscreen_object(const OffscreenRun& run, const KindLimits& k) {
    json object = blank(kind_name(k.kind));
    if (!run.context.empty()) object["context"] = run.context;
    object["platform"] = platform(run.platform);
    if (k.unavailable == nullptr && run.unavailable == nullptr) object["max_samples"] = k.limit;
    for (auto [key, text] : {std::pair{"vendor", &run.vendor},
                             {"renderer", &run.renderer},
                             {"version", &run.version},
                             {"glsl_version", &run.glsl}}) {
        if (!text->empty()) object[key] = *text;
    }
    if (run.expected > 0) object["expected"] = run.expected;
    return object;
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
            {"left", readable ? square(true, p.judged.left, shown.left.intermediate) : json(nullptr)},
            {"right", readable ? square(true, p.judged.right, shown.right.intermediate) : json(nullptr)},
            {"differs", readable ? json(p.differs) : json(nullptr)}};
}

// Positions as [x, y] pairs, to a ten-thousandth of a pixel; a sample not fitted is [null, null].
json position(bool known, picture::SamplePosition p) {
    const auto rounded = [](double v) { return std::round(v * 1e4) / 1e4; };
    if (!known) return json::array({nullptr, nullptr});
    return json::array({rounded(p.x), rounded(p.y)});
}

// The samples read one by one, always an object: where they were not read, why not, and the rest
// null.
json samples_read(bool pictured, const picture::SampleFindings& f) {
    const bool read = pictured && f.readable;
    json reported = nullptr;
    json seen = nullptr;
    if (read) {
        seen = json::array();
        for (int i = 0; i < f.read; ++i) seen.push_back(position(f.seen[i].fitted, f.seen[i].position));
        if (f.positions_reported) {
            reported = json::array();
            for (int i = 0; i < f.read; ++i) reported.push_back(position(true, f.reported_at[i]));
        }
    }
    const json why = read ? json(nullptr) : json(pictured ? f.why_not : "no picture was read");
    return {{"readable", read},
            {"why_not", why},
            {"distinct", read ? json(f.distinct) : json(nullptr)},
            {"positions_reported", reported},
            {"positions_seen", seen},
            {"resolve_is_mean", read ? json(f.resolve.is_mean()) : json(nullptr)},
            {"resolve_largest_difference",
             read ? json(std::round(f.resolve.largest * 100) / 100) : json(nullptr)},
            {"left_samples_alike", read ? json(f.left_alike) : json(nullptr)},
            {"copies_at", read && f.copies_at != 0 ? json(f.copies_at) : json(nullptr)}};
}

}  // namespace

std::string json_line(const WindowResult& r) {
    json object = blank("window");
    object["asked"] = r.asked;
    object["context"] = "window";
    object["platform"] = platform(r.platform);
    if (r.opened) {
        object["configuration"] = r.configuration;
        object["configuration_attributes"] = attributes(r.attributes);
        object["gl_samples"] = r.claimed;
    }
    object["vendor"] = text(r.vendor);
    object["renderer"] = text(r.renderer);
    object["version"] = text(r.version);
    object["glsl_version"] = text(r.glsl);
    if (r.extensions) object["extensions"] = *r.extensions;
    if (r.offered) object["offered"] = offered(*r.offered);
    set_judgement(&object, r.pictured, r.judged, r.expectation);
    object["presented"] = presented(r);
    object["samples_read"] = samples_read(r.pictured, r.samples);
    if (!r.error.empty()) object["error"] = r.error;
    object["pictures"] = value(r.pictures);
    object["status"] = static_cast<int>(r.status);
    return line(object);
}

void print_json(const WindowResult& result) {
    std::printf("%s\n", json_line(result).c_str());
    std::fflush(stdout);
}

std::vector<std::string> offscreen_json_lines(const OffscreenRun& run) {
    std::vector<std::string> lines;
    for (const KindLimits& k : run.kinds) {
        const char* why = run.unavailable != nullptr ? run.unavailable : k.unavailable;
        if (why == nullptr) continue;
        json object = offscreen_object(run, k);
        object["samples_read"] = samples_read(false, {});
        object["verdict"] = picture::cannot_judge(why).text;
        if (!run.error.empty()) object["error"] = run.error;
        object["status"] = static_cast<int>(run.unavailable != nullptr ? run.status : unjudged);
        lines.push_back(line(object));
    }
    if (run.unavailable != nullptr) return lines;
    for (const OffscreenResult& r : run.results) {
        json object = offscreen_object(run, run.kinds[r.kind == ObjectKind::renderbuffer ? 0 : 1]);
        object["asked"] = r.asked;
        if (r.made) object["granted"] = r.granted;
        set_judgement(&object, r.pictured, r.judged, r.expectation);
        object["samples_read"] = samples_read(r.pictured, r.samples);
        object["pictures"] = value(r.pictures);
        object["status"] = static_cast<int>(r.status);
        lines.push_back(line(object));
    }
    return lines;
}

void print_offscreen_json(const OffscreenRun& run) {
    for (const std::string& l : offscreen_json_lines(run)) std::printf("%s\n", l.c_str());
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
