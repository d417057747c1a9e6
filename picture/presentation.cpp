// jaggo picture: the shown picture checked for being the frame drawn, read, and held against it.
#include "picture/presentation.h"

#include <algorithm>
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

// A shown channel this far from the drawn one is another pixel, not a screen of fewer bits a channel
// (5 or 6) rounding the drawn one.
constexpr int pixel_tolerance = 8;

const std::uint8_t* pixel_at(const Image& image, int x, int y) {
    return image.pixels + (static_cast<long>(y) * image.width + x) * bytes_per_pixel;
}

bool same_pixel(const std::uint8_t* a, const std::uint8_t* b) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(a[c] - b[c]) > pixel_tolerance) return false;
    }
    return true;
}

bool in_grown_box(const Square& square, int x, int y) {
    return x >= square.left - box_slack && x <= square.right + box_slack && y >= square.top - box_slack &&
           y <= square.bottom + box_slack;
}

// Whether the drawn picture is alike within box_slack pixels of (x, y): no edge lies that near, and
// no smoothing of the edges changes the pixel.
bool far_from_edges(const Image& drawn, int x, int y) {
    const std::uint8_t* centre = pixel_at(drawn, x, y);
    for (int v = std::max(y - box_slack, 0); v <= std::min(y + box_slack, drawn.height - 1); ++v) {
        for (int u = std::max(x - box_slack, 0); u <= std::min(x + box_slack, drawn.width - 1); ++u) {
            if (!same_pixel(pixel_at(drawn, u, v), centre)) return false;
        }
    }
    return true;
}

// Where the shown picture, rows flipped, differs from the drawn one otherwise than a smoothing of
// the squares' edges at the presentation can make it: outside both squares' boxes (grown by
// box_slack) or, with inside_too, on a pixel far from every edge within them.
bool covered(const Image& shown, const Image& drawn, const Squares& squares, bool inside_too) {
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            if (same_pixel(pixel_at(shown, x, drawn.height - 1 - y), pixel_at(drawn, x, y))) continue;
            if (!in_grown_box(squares.left, x, y) && !in_grown_box(squares.right, x, y)) return true;
            if (inside_too && far_from_edges(drawn, x, y)) return true;
        }
    }
    return false;
}

constexpr const char* covered_why = "something else covers the window";

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

Presented judge_presented(const Image& shown, const Image& drawn, const Judgement& judged,
                          const Geometry& geometry, int claimed, const OtherFrames* others) {
    if (judged.why_not_as_drawn != nullptr) {
        return presented_not_readable("the drawn picture does not show the scene whole");
    }
    if (shown.width != drawn.width || shown.height != drawn.height) {
        Presented p{};
        std::snprintf(p.not_readable, sizeof p.not_readable,
                      "the window shows %dx%d pixels, the frame has %dx%d", shown.width, shown.height,
                      drawn.width, drawn.height);
        return p;
    }
    if (all_black(shown)) return presented_not_readable("the window's contents read all black");
    if (covered(shown, drawn, judged.squares, false)) return presented_not_readable(covered_why);
    Presented p{};
    // The window shows the framebuffer drawn: its picture is read at the same bits.
    p.judged = judge_picture(shown, geometry, claimed, "the context", judged.precision, nullptr, others);
    if (p.judged.why_not_as_drawn != nullptr) {
        std::snprintf(p.not_readable, sizeof p.not_readable, "the window shows other than the scene: %s",
                      p.judged.why_not_as_drawn);
        return p;
    }
    if (!same_box(p.judged.squares.left, judged.squares.left) ||
        !same_box(p.judged.squares.right, judged.squares.right)) {
        return presented_not_readable("the window shows another frame than the one drawn (an earlier one?)");
    }
    if (covered(shown, drawn, judged.squares, true)) return presented_not_readable(covered_why);
    p.differs = !same_coverage(p.judged.frame_left, judged.frame_left) ||
                !same_coverage(p.judged.frame_right, judged.frame_right);
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
