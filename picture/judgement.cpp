// jaggo picture: the conclusion's words, and a picture judged as a whole.
#include "picture/judgement.h"

#include <cstdio>

namespace jaggo::picture {

Conclusion cannot_judge(const char* why) {
    Conclusion c{Outcome::unjudged, ""};
    std::snprintf(c.text, sizeof c.text, "none could be made: %s", why);
    return c;
}

Conclusion judge(int claimed, const Reading& left, const Reading& right, const char* reporter) {
    if (left.samples == 0 || right.samples == 0) {
        const char* which = left.samples == 0 && right.samples == 0 ? "left and right"
                            : left.samples == 0                     ? "left"
                                                                    : "right";
        char why[160];
        std::snprintf(why, sizeof why,
                      "the %s square's grey levels fit no sample count (a filtered or scaled picture?)",
                      which);
        return cannot_judge(why);
    }
    // What the picture says against the report: about the right square, then the left.
    char right_says[200] = "";
    char left_says[200] = "";
    const int granted = claimed > 1 ? claimed : 1;  // a context without multisampling draws with one sample
    if (right.samples != granted) {
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
    if (left.samples != 1) {
        std::snprintf(
            left_says, sizeof left_says,
            "the left square shows %d samples although multisampling is off for it: the driver or its "
            "settings force anti-aliasing",
            left.samples);
    }
    Conclusion c{Outcome::contradiction, ""};
    if (*right_says != '\0' || *left_says != '\0') {
        std::snprintf(c.text, sizeof c.text, "CONTRADICTION: %s%s%s", right_says,
                      *right_says != '\0' && *left_says != '\0' ? "; " : "", left_says);
        return c;
    }
    c.outcome = Outcome::agrees;
    if (claimed > 1) {
        std::snprintf(c.text, sizeof c.text, "the picture agrees with the report: %d samples", claimed);
    } else {
        std::snprintf(c.text, sizeof c.text, "the picture agrees with the report: no multisampling");
    }
    return c;
}

Judgement judge_picture(const Image& image, const Geometry& geometry, int claimed, const char* reporter) {
    Judgement j{};
    j.squares = find_squares(image);
    Histogram levels;
    grey_levels(image, 0, image.width / 2, &levels);
    j.left = read_levels(levels);
    grey_levels(image, image.width / 2, image.width, &levels);
    j.right = read_levels(levels);
    j.why_not_as_drawn = why_not_as_drawn(image, j.squares, geometry);
    if (j.why_not_as_drawn != nullptr) {
        j.conclusion = cannot_judge(j.why_not_as_drawn);
    } else {
        j.conclusion = judge(claimed, j.left, j.right, reporter);
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
