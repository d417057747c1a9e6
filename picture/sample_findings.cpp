// jaggo picture: the findings of the samples read one by one, and their words.
#include "picture/sample_findings.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace jaggo::picture {

namespace {

double distance(SamplePosition a, SamplePosition b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

SamplePosition mirrored(SamplePosition p) {
    return {p.x, 1.0 - p.y};
}

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
    char text[400];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    return text;
}

}  // namespace

SampleFindings samples_not_readable(const char* why) {
    SampleFindings f;
    std::snprintf(f.why_not, sizeof f.why_not, "%s", why);
    return f;
}

SampleFindings single_sample() {
    SampleFindings f;
    f.single = true;
    std::snprintf(f.why_not, sizeof f.why_not, "1 sample: nothing to read one by one");
    return f;
}

SampleFindings find_samples(const SampleAccumulator& samples, const Image& resolve, int reported,
                            const SamplePosition* reported_at, int level_samples,
                            const Precision& precision) {
    SampleFindings f;
    f.readable = true;
    f.reported = reported;
    f.read = samples.count;
    f.distinct = distinct_samples(samples);
    f.positions_reported = reported_at != nullptr;
    for (int i = 0; i < samples.count; ++i) {
        if (reported_at != nullptr) f.reported_at[i] = reported_at[i];
        f.seen[i] = samples.seen[i];
    }
    f.resolve = compare_resolve(samples, resolve, precision.red);
    f.left_distinct = distinct_left_squares(samples);
    f.left_alike = f.left_distinct <= 1;
    f.level_samples = level_samples;
    return f;
}

PositionCheck check_positions(const SampleFindings& f) {
    PositionCheck check{-1, true, 0.0, 0};
    if (!f.positions_reported) return check;
    for (int i = 0; i < f.read; ++i) {
        if (!f.seen[i].fitted) continue;
        ++check.fitted;
        const double off = distance(f.seen[i].position, f.reported_at[i]);
        check.largest = std::max(check.largest, off);
        if (off <= position_tolerance) continue;
        if (check.first_off < 0) check.first_off = i;
        if (distance(f.seen[i].position, mirrored(f.reported_at[i])) > position_tolerance)
            check.mirrored = false;
    }
    if (check.first_off < 0) check.mirrored = false;
    return check;
}

Conclusion judge_samples(const SampleFindings& f, const char* reporter, const char* forced) {
    std::string found;
    const auto add = [&found](const std::string& finding) { found += (found.empty() ? "" : "; ") + finding; };
    if (f.copies_at != 0) {
        add(format("%s reports %d samples, but its colour buffer copies only into a texture of %d samples",
                   reporter, f.reported, f.copies_at));
    }
    if (f.distinct < f.reported) {
        add(format("%s reports %d samples, but %d of them hold pictures of their own", reporter, f.reported,
                   f.distinct));
    }
    const PositionCheck positions = check_positions(f);
    if (positions.first_off >= 0) {
        const int i = positions.first_off;
        const SamplePosition seen = f.seen[i].position;
        const SamplePosition said = f.reported_at[i];
        if (positions.mirrored) {
            add(
                format("%s reports its sample positions mirrored top to bottom: sample %d lies at %.2f %.2f, "
                       "reported at %.2f %.2f",
                       reporter, i, seen.x, seen.y, said.x, said.y));
        } else {
            add(format("sample %d lies at %.2f %.2f, but %s reports it at %.2f %.2f", i, seen.x, seen.y,
                       reporter, said.x, said.y));
        }
    }
    if (!f.resolve.is_mean()) add("the driver's resolve is not the mean of its samples: a filtered resolve");
    if (!f.left_alike) {
        add(format("the left square shows %d samples although multisampling is off for it: %s",
                   f.left_distinct,
                   forced != nullptr ? forced : "the driver or its settings force anti-aliasing"));
    }
    Conclusion c{Outcome::contradiction, ""};
    if (!found.empty()) {
        std::snprintf(c.text, sizeof c.text, "CONTRADICTION: %s", found.c_str());
        return c;
    }
    c.outcome = Outcome::agrees;
    std::snprintf(c.text, sizeof c.text, "the picture agrees with the report: %d samples", f.reported);
    return c;
}

int samples_in_effect(const SampleFindings& f, const Reading& right) {
    return f.readable ? f.distinct : right.samples;
}

void samples_line(const SampleFindings& f, char* out, std::size_t size) {
    if (!f.readable) {
        std::snprintf(out, size, "Samples: %s%s", f.single ? "" : "not readable here: ", f.why_not);
        return;
    }
    std::string text = format("Samples: %d read one by one: %d distinct", f.read, f.distinct);
    if (f.copies_at != 0)
        text += format(", copied at %d samples, the reported %d refused", f.copies_at, f.reported);
    const PositionCheck positions = check_positions(f);
    if (!f.positions_reported) {
        text += "; the driver reports no positions";
    } else if (positions.first_off >= 0) {
        const int i = positions.first_off;
        text += format("; sample %d at %.2f %.2f, reported at %.2f %.2f", i, f.seen[i].position.x,
                       f.seen[i].position.y, f.reported_at[i].x, f.reported_at[i].y);
        if (positions.mirrored) text += " (reported mirrored top to bottom)";
    } else if (positions.fitted == 0) {
        text += "; their positions could not be fitted";
    } else {
        text +=
            format(", at the positions the driver reports (largest difference %.2f pixel", positions.largest);
        if (positions.fitted < f.read) text += format("; %d of %d fitted", positions.fitted, f.read);
        text += ")";
    }
    if (f.resolve.is_mean()) {
        text +=
            f.resolve.linear ? "; the resolve is their mean in linear light" : "; the resolve is their mean";
    } else {
        text += format("; the resolve is not their mean: %u pixels off, by up to %.0f levels", f.resolve.off,
                       f.resolve.largest);
    }
    if (!f.left_alike) text += "; the left square's samples differ";
    // The levels read from the resolve alone: where the resolve is the samples' mean and they read
    // another count, it is the level reading that fell short, not the driver.
    if (f.resolve.is_mean() && f.level_samples != f.distinct) {
        text += f.level_samples == 0
                    ? "; the grey levels fit no count: the level reading fell short here"
                    : format("; the grey levels read %d: the level reading fell short here", f.level_samples);
    }
    std::snprintf(out, size, "%s", text.c_str());
}

}  // namespace jaggo::picture
