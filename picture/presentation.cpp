// jaggo picture: the shown picture checked for being the frame drawn, read, and held against it.
#include "picture/presentation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace jaggo::picture {

namespace {

// A square's box may grow by a pixel where the shown edges are smoothed further, and the rows of
// the read-back run bottom to top where the window's run top to bottom, which moves a box of the
// symmetric scene by a row at most.
constexpr int box_slack = 2;

bool same_box(const Square& a, const Square& b) {
    return std::abs(a.left - b.left) <= box_slack && std::abs(a.right - b.right) <= box_slack &&
           std::abs(a.top - b.top) <= box_slack && std::abs(a.bottom - b.bottom) <= box_slack;
}

// The same count, encoding and recurring levels; where no count fits, the same grey pixels too.
bool same_coverage(const Reading& a, const Reading& b) {
    if (a.samples != b.samples || a.gamma != b.gamma || a.spread != b.spread ||
        a.level_count != b.level_count ||
        std::memcmp(a.levels, b.levels, static_cast<std::size_t>(a.level_count)) != 0) {
        return false;
    }
    return a.samples != 0 || (a.neutral_greys == b.neutral_greys && a.distinct_levels == b.distinct_levels);
}

bool all_black(const Image& image) {
    const long count = static_cast<long>(image.width) * image.height;
    for (long i = 0; i < count; ++i) {
        const std::uint8_t* p = image.pixels + i * bytes_per_pixel;
        if (p[0] != 0 || p[1] != 0 || p[2] != 0) return false;
    }
    return true;
}

}  // namespace

Presented presented_not_readable(const char* why) {
    Presented p{};
    std::snprintf(p.not_readable, sizeof p.not_readable, "%s", why);
    return p;
}

Presented judge_presented(const Image& shown, int drawn_width, int drawn_height, const Judgement& drawn,
                          const Geometry& geometry, int claimed, const OtherFrames* others) {
    if (drawn.why_not_as_drawn != nullptr) {
        return presented_not_readable("the drawn picture does not show the scene whole");
    }
    if (shown.width != drawn_width || shown.height != drawn_height) {
        Presented p{};
        std::snprintf(p.not_readable, sizeof p.not_readable,
                      "the window shows %dx%d pixels, the frame has %dx%d", shown.width, shown.height,
                      drawn_width, drawn_height);
        return p;
    }
    if (all_black(shown)) return presented_not_readable("the window's contents read all black");
    Presented p{};
    p.judged = judge_picture(shown, geometry, claimed, "the context", others);
    if (p.judged.why_not_as_drawn != nullptr) {
        std::snprintf(p.not_readable, sizeof p.not_readable, "the window shows other than the scene: %s",
                      p.judged.why_not_as_drawn);
        return p;
    }
    if (!same_box(p.judged.squares.left, drawn.squares.left) ||
        !same_box(p.judged.squares.right, drawn.squares.right)) {
        return presented_not_readable("the window shows another frame than the one drawn (an earlier one?)");
    }
    p.differs = !same_coverage(p.judged.frame_left, drawn.frame_left) ||
                !same_coverage(p.judged.frame_right, drawn.frame_right);
    return p;
}

Conclusion with_presentation(const Conclusion& drawn, const Presented& presented) {
    if (presented.not_readable[0] != '\0' || !presented.differs) return drawn;
    constexpr const char* named =
        "the window shows the squares' edges otherwise than they were drawn: the driver smooths the frame "
        "when it is presented";
    Conclusion c{Outcome::contradiction, ""};
    if (drawn.outcome == Outcome::contradiction) {
        std::memcpy(c.text, drawn.text, sizeof c.text);  // the drawn picture's contradictions come first
        const std::size_t used = std::strlen(c.text);
        std::snprintf(c.text + used, sizeof c.text - used, "; %s", named);
    } else {
        std::snprintf(c.text, sizeof c.text, "CONTRADICTION: %s", named);
    }
    return c;
}

void presented_line(const Presented& presented, char* out, std::size_t size) {
    if (presented.not_readable[0] != '\0') {
        std::snprintf(out, size, "Presented: not readable here: %s", presented.not_readable);
        return;
    }
    char left[1100];
    char right[1100];
    describe(presented.judged.left, left, sizeof left);
    describe(presented.judged.right, right, sizeof right);
    std::snprintf(out, size, "Presented: left square %s, right square %s", left, right);
}

}  // namespace jaggo::picture
