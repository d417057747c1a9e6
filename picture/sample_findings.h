// jaggo picture: the samples, read one by one, held against what the driver reports of them: how
// many there are, where they sit, how they are resolved, and whether the left square, drawn with
// multisampling off, has them all alike. Where they are read, they rather than the grey levels
// decide the verdict; the levels stay a second opinion.
#pragma once

#include <cstddef>

#include "picture/coverage.h"
#include "picture/judgement.h"
#include "picture/samples.h"

namespace jaggo::picture {

// A position farther than this from the reported one, in pixels, is not where the driver says.
constexpr double position_tolerance = 1.0 / 8.0;

struct SampleFindings {
    bool readable = false;
    bool single = false;     // a buffer of one sample: nothing to read one by one
    char why_not[240] = "";  // where not readable, why: "1 sample: nothing to read one by one" for one
    int reported = 0;        // the samples the context or object reports
    int read = 0;            // the samples read one by one
    int distinct = 0;        // how many of them hold pictures of their own
    int copies_at = 0;       // the count whose texture took the copy the reported count's refused; else 0
    bool positions_reported = false;  // the driver answered GL_SAMPLE_POSITION for every sample
    SamplePosition reported_at[max_samples]{};
    FittedPosition seen[max_samples]{};
    ResolveComparison resolve{};
    bool left_alike = true;  // the left square's samples all hold the same picture of it
    int left_distinct = 1;   // how many different pictures of it they hold
    int level_samples = 0;   // what the grey levels of the resolve read (0: no count fits them)
};

// Where the samples could not be read, and why; a buffer of one sample, which has none to tell apart.
SampleFindings samples_not_readable(const char* why);
SampleFindings single_sample();

// The accumulated samples of a buffer that reports that many, whose driver reports reported_at
// (nullptr where it answered no position), held against its resolve, whose grey levels read
// level_samples, and which is stored at precision.
SampleFindings find_samples(const SampleAccumulator& samples, const Image& resolve, int reported,
                            const SamplePosition* reported_at, int level_samples,
                            const Precision& precision = {});

// The samples' positions against the reported ones, in window coordinates: the first sample off by
// more than position_tolerance (-1 for none), whether every one off sits where the report mirrored
// top to bottom puts it, and the largest difference among those fitted.
struct PositionCheck {
    int first_off;
    bool mirrored;
    double largest;
    int fitted;
};

PositionCheck check_positions(const SampleFindings& findings);

// The verdict the samples give where they were read: a contradiction naming each finding, or
// agreement with the reported count. reporter and forced as in judge().
Conclusion judge_samples(const SampleFindings& findings, const char* reporter = "the context",
                         const char* forced = nullptr);

// The samples that take effect: the distinct ones where read, otherwise what the levels read.
int samples_in_effect(const SampleFindings& findings, const Reading& right);

// "Samples: 4 read one by one: 4 distinct, at the positions the driver reports (largest difference
// 0.02 pixel); the resolve is their mean", or "Samples: not readable here: why", into out (cut to size).
void samples_line(const SampleFindings& findings, char* out, std::size_t size);

}  // namespace jaggo::picture
