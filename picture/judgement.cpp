// jaggo picture: the conclusion's words, and a picture judged as a whole.
#include "picture/judgement.h"

#include <cstdio>

namespace jaggo::picture {

Conclusion cannot_judge(const char* why) {
    Conclusion c{Outcome::unjudged, ""};
    std::snprintf(c.text, sizeof c.text, "none could be made: %s", why);
    return c;
}

Conclusion judge(int claimed, const Reading& left, const Reading& right, const char* reporter,
                 const char* forced) {
    // The left square is drawn with multisampling off: an honest driver leaves it without grey.
    // Any smoothing of it beyond strays is forced, whatever its levels; so is smoothing of the
    // right square under a claim of no multisampling. Only a right square whose levels fit no
    // count under a claim of N samples may still be N samples under a wider filter: that one is
    // said as seen, and no count is guessed.
    char right_says[200] = "";
    char left_says[240] = "";
    const int granted = claimed > 1 ? claimed : 1;  // a context without multisampling draws with one sample
    bool right_unfit = false;
    if (right.samples == 0 && granted == 1) {
        std::snprintf(right_says, sizeof right_says,
                      "%s reports no multisampling, yet the right square's edges are smoothed, with levels "
                      "that fit no sample count",
                      reporter);
    } else if (right.samples == 0) {
        right_unfit = true;
    } else if (right.samples != granted) {
        if (claimed == 0) {
            std::snprintf(right_says, sizeof right_says,
                          "%s reports no multisampling, yet the right square shows %d samples", reporter,
                          right.samples);
        } else if (right.samples > 1) {
            std::snprintf(right_says, sizeof right_says,
                          "%s reports %d samples, but the right square shows %d samples", reporter, claimed,
                          right.samples);
        } else {
            std::snprintf(right_says, sizeof right_says,
                          "%s reports %d samples, but the right square shows no multisampling", reporter,
                          claimed);
        }
    }
    if (left.samples == 0) {
        std::snprintf(
            left_says, sizeof left_says,
            "the left square's edges are smoothed although multisampling is off for it, with "
            "levels that fit no sample count: %s",
            forced != nullptr ? forced : "a filtered resolve or a post-process forces anti-aliasing");
    } else if (left.samples != 1) {
        std::snprintf(left_says, sizeof left_says,
                      "the left square shows %d samples although multisampling is off for it: %s",
                      left.samples,
                      forced != nullptr ? forced : "the driver or its settings force anti-aliasing");
    }
    Conclusion c{Outcome::contradiction, ""};
    if (*right_says != '\0' || *left_says != '\0') {
        std::snprintf(c.text, sizeof c.text, "CONTRADICTION: %s%s%s", right_says,
                      *right_says != '\0' && *left_says != '\0' ? "; " : "", left_says);
        return c;
    }
    if (right_unfit) {
        char why[200];
        std::snprintf(why, sizeof why,
                      "the right square is smoothed across pixel borders: levels that fit no box resolve "
                      "of %d samples",
                      claimed);
        return cannot_judge(why);
    }
    c.outcome = Outcome::agrees;
    if (claimed > 1) {
        std::snprintf(c.text, sizeof c.text, "the picture agrees with the report: %d samples", claimed);
    } else {
        std::snprintf(c.text, sizeof c.text, "the picture agrees with the report: no multisampling");
    }
    return c;
}

namespace {

// "4 samples", "no multisampling" or "levels of no count", as a frame's reading shows them.
void frame_count(const Reading& r, char* out, std::size_t size) {
    if (r.samples == 0) {
        std::snprintf(out, size, "levels of no count");
    } else if (r.samples == 1) {
        std::snprintf(out, size, "no multisampling");
    } else {
        std::snprintf(out, size, "%d samples", r.samples);
    }
}

// No verdict where frames show counts that no one count explains, named frame by frame.
Conclusion frames_disagree(const char* square, const Reading& judged, const Reading* others, int count) {
    char words[400];
    int used = std::snprintf(
        words, sizeof words,
        "frames turned a few degrees apart show different sample counts in the %s square: ", square);
    for (int i = 0; i <= count && used >= 0 && static_cast<std::size_t>(used) < sizeof words; ++i) {
        char shown[40];
        frame_count(i == 0 ? judged : others[i - 1], shown, sizeof shown);
        used += std::snprintf(words + used, sizeof words - static_cast<std::size_t>(used), "%s%s",
                              i == 0 ? "" : (i == count ? " and " : ", "), shown);
    }
    return cannot_judge(words);
}

}  // namespace

Judgement judge_picture(const Image& image, const Geometry& geometry, int claimed, const char* reporter,
                        const Precision& precision, const char* forced, const OtherFrames* others) {
    Judgement j{};
    j.precision = precision;
    j.squares = find_squares(image, precision);
    Histogram levels;
    grey_levels(image, 0, image.width / 2, &levels, precision);
    j.frame_left = read_levels(levels, precision);
    grey_levels(image, image.width / 2, image.width, &levels, precision);
    j.frame_right = read_levels(levels, precision);
    j.left = j.frame_left;
    j.right = j.frame_right;
    bool left_disagrees = false;
    bool right_disagrees = false;
    if (others != nullptr) {
        j.left = read_together(j.frame_left, others->left, others->count, &left_disagrees, precision);
        j.right = read_together(j.frame_right, others->right, others->count, &right_disagrees, precision);
    }
    j.why_not_as_drawn = why_not_as_drawn(image, j.squares, geometry);
    if (j.why_not_as_drawn == nullptr && others != nullptr) j.why_not_as_drawn = others->why_not_as_drawn;
    if (j.why_not_as_drawn != nullptr) {
        j.conclusion = cannot_judge(j.why_not_as_drawn);
        return j;
    }
    j.conclusion = judge(claimed, j.left, j.right, reporter, forced);
    // Levels of several counts say nothing of the samples, unless any grey is already too much.
    if (j.conclusion.outcome != Outcome::contradiction && (left_disagrees || right_disagrees)) {
        j.conclusion = right_disagrees ? frames_disagree("right", j.frame_right, others->right, others->count)
                                       : frames_disagree("left", j.frame_left, others->left, others->count);
    }
    return j;
}

void edges_line(const Judgement& j, char* out, std::size_t size) {
    std::snprintf(out, size, "Edges: left square %d intermediate pixels, right square %d",
                  j.squares.left.intermediate, j.squares.right.intermediate);
}

void coverage_line(const Judgement& j, char* out, std::size_t size) {
    char left[1100];
    char right[1100];
    describe(j.left, left, sizeof left);
    describe(j.right, right, sizeof right);
    std::snprintf(out, size, "Coverage: left square %s, right square %s", left, right);
}

}  // namespace jaggo::picture
