// jaggo tests: the picture analysis on synthetic pictures: the scene's two squares rasterised here,
// independently of any driver, each pixel resolved from N samples of a rook pattern. Catches a wrong
// sample count read from the grey levels, an honest sample pattern read as another count at some
// angle, strays that sway it, a gamma-correct resolve or an altered picture read as a count, and a
// verdict that calls a contradiction agreement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "picture/judgement.h"
#include "picture/presentation.h"

namespace {

using namespace jaggo::picture;

// A scene like jaggo's at a scale of 1, drawn here on its own: the analysis is handed its geometry.
constexpr int base_width = 800, base_height = 400;
constexpr double base_side = 240.0, base_offset = 200.0;
constexpr Geometry geometry{base_side / base_height, 2.0 * base_offset / base_height};

Judgement judge_picture(const Image& image, int claimed) {
    return jaggo::picture::judge_picture(image, geometry, claimed);
}

struct Picture {
    int width = base_width, height = base_height;
    std::vector<std::uint8_t> pixels =
        std::vector<std::uint8_t>(static_cast<std::size_t>(width * height * 4), 0);
    Image image() const { return {pixels.data(), width, height}; }
    void paint(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        for (int row = y; row < y + h; ++row) {
            for (int col = x; col < x + w; ++col) {
                std::uint8_t* p = &pixels[static_cast<std::size_t>((row * width + col) * 4)];
                p[0] = r, p[1] = g, p[2] = b;
            }
        }
    }
};

// Two squares turned by degrees, the left resolved from left_samples, the right from right_samples,
// in a framebuffer scale times the window's size (a scaled output's).
Picture squares(int left_samples, int right_samples, bool gamma = false, double degrees = 30.0,
                int scale = 1) {
    Picture picture{
        base_width * scale, base_height * scale,
        std::vector<std::uint8_t>(static_cast<std::size_t>(base_width * base_height * 4 * scale * scale))};
    const int width = picture.width, height = picture.height;
    const double side = base_side * scale, centre_offset = base_offset * scale;
    const double a = degrees * 3.141592653589793 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    for (const auto& [cx, n] : {std::pair{width / 2.0 - centre_offset, left_samples},
                                std::pair{width / 2.0 + centre_offset, right_samples}}) {
        const int step =
            n % 3 != 0 ? 3 : (n % 5 != 0 ? 5 : 7);  // a rook pattern: one sample a row and column
        for (int y = 0; y < height; ++y) {
            for (int x = static_cast<int>(cx) - 180 * scale; x < static_cast<int>(cx) + 180 * scale; ++x) {
                int covered = 0;
                for (int i = 0; i < n; ++i) {
                    const double dx = x + (i + 0.5) / n - cx,
                                 dy = y + ((i * step) % n + 0.5) / n - height / 2.0;
                    covered +=
                        std::fabs(dx * c + dy * s) <= side / 2 && std::fabs(dy * c - dx * s) <= side / 2;
                }
                double share = static_cast<double>(covered) / n;
                if (gamma && share > 0 && share < 1) share = 1.055 * std::pow(share, 1 / 2.4) - 0.055;
                const auto v = static_cast<std::uint8_t>(std::lround(255 * share));
                picture.paint(x, y, 1, 1, v, v, v);
            }
        }
    }
    return picture;
}

// A multisample pattern: each sample's offset from the pixel's centre, in 1/16 pixel, x to the right
// and y down the rows.
using Pattern = std::vector<std::pair<int, int>>;

// The scene's two squares turned by degrees, the left with one sample at each pixel's centre, the
// right resolved from pattern, mirrored top to bottom where asked.
Picture patterned(const Pattern& pattern, bool mirrored, double degrees) {
    Picture picture;
    const double a = degrees * 3.141592653589793 / 180.0, c = std::cos(a), s = std::sin(a);
    const double half = base_side / 2;
    for (const auto& [cx, right] : {std::pair{base_width / 2.0 - base_offset, false},
                                    std::pair{base_width / 2.0 + base_offset, true}}) {
        const Pattern centre{{0, 0}};
        const Pattern& samples = right ? pattern : centre;
        for (int y = 0; y < base_height; ++y) {
            for (int x = static_cast<int>(cx) - 180; x < static_cast<int>(cx) + 180; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - base_height / 2.0;
                const double distance = std::max(std::fabs(dx * c + dy * s), std::fabs(dy * c - dx * s));
                int covered = distance < half - 1 ? static_cast<int>(samples.size()) : 0;
                if (std::fabs(distance - half) <= 1) {  // no sample lies a pixel from the centre
                    for (const auto& [sx, sy] : samples) {
                        const double px = dx + sx / 16.0, py = dy + (mirrored ? -sy : sy) / 16.0;
                        covered += std::fabs(px * c + py * s) <= half && std::fabs(py * c - px * s) <= half;
                    }
                }
                const auto v = static_cast<std::uint8_t>(
                    std::lround(255.0 * covered / static_cast<double>(samples.size())));
                picture.paint(x, y, 1, 1, v, v, v);
            }
        }
    }
    return picture;
}

// The picture with each pixel replaced by a weighted mean of its 3x3 neighbourhood (weights
// 1 2 1 / 2 4 2 / 1 2 1), as a resolve that weights samples across pixel borders leaves it; with
// contrast, only pixels whose neighbourhood spans at least that much, as an edge-smoothing
// post-process picks its pixels.
Picture filtered(const Picture& in, int contrast = 0) {
    Picture out = in;
    for (int y = 1; y < in.height - 1; ++y) {
        for (int x = 1; x < in.width - 1; ++x) {
            int sum = 0, low = 255, high = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int v = in.pixels[static_cast<std::size_t>(((y + dy) * in.width + x + dx) * 4)];
                    sum += v * (2 - (dx != 0)) * (2 - (dy != 0));
                    low = std::min(low, v), high = std::max(high, v);
                }
            }
            if (high - low < contrast) continue;
            const auto v = static_cast<std::uint8_t>((sum + 8) / 16);
            out.paint(x, y, 1, 1, v, v, v);
        }
    }
    return out;
}

std::string levels(const Reading& r) {
    std::string s;
    for (int i = 0; i < r.level_count; ++i) s += (i ? " " : "") + std::to_string(r.levels[i]);
    return s;
}

TEST(Picture, SampleCountsAreReadFromTheRecurringGreyLevels) {
    const struct {
        int left, right;
        bool gamma;
        const char* right_levels;
    } cases[] = {{1, 2, false, "128"},
                 {1, 4, false, "64 128 191"},
                 {1, 8, false, "32 64 96 128 159 191 223"},
                 {1, 16, false, "16 32 48 64 80 96 112 128 143 159 175 191 207 223 239"},
                 {4, 4, false, "64 128 191"},
                 {1, 4, true, "137 188 225"}};
    for (int scale = 1; scale <= 2; ++scale) {  // 2: a framebuffer of a scale-2 output, 1600x800
        for (const auto& t : cases) {
            SCOPED_TRACE(testing::Message()
                         << t.left << " and " << t.right << (t.gamma ? " gamma" : "") << " scale " << scale);
            const Picture p = squares(t.left, t.right, t.gamma, 30.0, scale);
            const Judgement j = judge_picture(p.image(), t.right);
            EXPECT_EQ(j.left.samples, t.left);
            EXPECT_EQ(j.right.samples, t.right);
            EXPECT_EQ(j.right.gamma, t.gamma);
            EXPECT_EQ(levels(j.right), t.right_levels);
            EXPECT_EQ(j.squares.left.intermediate == 0, t.left == 1);
        }
    }
}

// Where two samples line up along the squares' edges, a frame shows fewer levels than samples: the
// standard 4-sample pattern turned 26 degrees shows the level of 2. The standard patterns of 2, 4,
// 8 and 16 samples, mirrored or not, drawn at any angle from 20 to 40 degrees with the other frames
// turned from it as the program turns them, read as the count drawn.
TEST(Picture, NoStandardPatternIsReadAsAnotherCountAtAnyAngle) {
    const Pattern patterns[] = {{{4, 4}, {-4, -4}},
                                {{-2, -6}, {6, -2}, {-6, 2}, {2, 6}},
                                {{1, -3}, {-1, 3}, {5, 1}, {-3, -5}, {-5, 5}, {-7, -1}, {3, 7}, {7, -7}},
                                {{1, 1},
                                 {-1, -3},
                                 {-3, 2},
                                 {4, -1},
                                 {-5, -2},
                                 {2, 5},
                                 {5, 3},
                                 {3, -5},
                                 {-2, 6},
                                 {0, -7},
                                 {-4, -6},
                                 {-6, 4},
                                 {-8, 0},
                                 {7, -4},
                                 {6, 7},
                                 {-7, -8}}};
    int cases = 0, misread = 0;
    for (const Pattern& pattern : patterns) {
        const int n = static_cast<int>(pattern.size());
        for (const bool mirrored : {false, true}) {
            for (int half_degrees = 40; half_degrees <= 80; ++half_degrees) {
                const double degrees = half_degrees / 2.0;
                OtherFrames others{};
                for (const double turn : other_frame_turns) {
                    add_other_frame(patterned(pattern, mirrored, degrees + turn).image(), geometry, &others);
                }
                const Judgement j =
                    jaggo::picture::judge_picture(patterned(pattern, mirrored, degrees).image(), geometry, n,
                                                  "the context", {}, nullptr, &others);
                ++cases;
                if (j.conclusion.outcome == Outcome::agrees && j.right.samples == n) continue;
                if (++misread <= 5) {
                    ADD_FAILURE() << n << " samples" << (mirrored ? " mirrored" : "") << " at " << degrees
                                  << " degrees: " << j.conclusion.text;
                }
            }
        }
    }
    EXPECT_EQ(misread, 0) << "of " << cases;
}

// Frames a few degrees apart that show different counts, which no one count explains, leave the
// picture unjudged; grey that is too much in any frame stays a contradiction.
TEST(Picture, FramesThatShowDifferentCountsGetNoVerdict) {
    const auto with_others = [](int others_samples, int claimed) {
        OtherFrames others{};
        for (const double turn : other_frame_turns) {
            add_other_frame(squares(1, others_samples, false, 30.0 + turn).image(), geometry, &others);
        }
        return jaggo::picture::judge_picture(squares(1, 4).image(), geometry, claimed, "the context", {},
                                             nullptr, &others)
            .conclusion;
    };
    const struct {
        int others_samples, claimed;
        Outcome outcome;
        const char* text;
    } cases[] = {
        {3, 4, Outcome::unjudged,
         "none could be made: frames turned a few degrees apart show different sample counts in the right "
         "square: 4 samples, 3 samples and 3 samples"},
        {1, 4, Outcome::unjudged,
         "none could be made: frames turned a few degrees apart show different sample counts in the right "
         "square: 4 samples, no multisampling and no multisampling"},
        {1, 0, Outcome::contradiction,
         "CONTRADICTION: the context reports no multisampling, yet the right square shows 4 samples"},
        {2, 4, Outcome::agrees, "the picture agrees with the report: 4 samples"},  // 2's level is 4's too
    };
    for (const auto& t : cases) {
        const Conclusion c = with_others(t.others_samples, t.claimed);
        EXPECT_EQ(c.outcome, t.outcome);
        EXPECT_STREQ(c.text, t.text);
    }
}

TEST(Picture, AFewStraysDoNotSwayTheCount) {
    Picture p = squares(1, 4);
    p.paint(150, 150, 3, 2, 100, 100, 100);  // a grey cursor over the left square
    p.paint(600, 320, 4, 1, 40, 40, 40);     // a shadow's edge below the right one
    p.paint(560, 150, 5, 1, 200, 30, 30);    // coloured pixels are no grey level
    const Judgement j = judge_picture(p.image(), 4);
    EXPECT_EQ(j.left.samples, 1);
    EXPECT_EQ(levels(j.right), "64 128 191");
    EXPECT_STREQ(j.conclusion.text, "the picture agrees with the report: 4 samples");
}

TEST(Picture, AnAlteredPictureGetsNoVerdict) {
    Picture spread = squares(1, 1);
    for (int x = 0; x < 200; ++x) {  // a gradient, as scaling spreads an edge
        const auto v = static_cast<std::uint8_t>(60 + x);
        spread.paint(400 + x, 0, 1, 30, v, v, v);
    }
    Judgement j = judge_picture(spread.image(), 4);
    EXPECT_TRUE(j.right.spread);
    EXPECT_EQ(j.conclusion.outcome, Outcome::unjudged);
    char line[2400];
    coverage_line(j, line, sizeof line);
    EXPECT_NE(std::string(line).find("which fit no sample count"), std::string::npos) << line;

    const struct {
        Picture picture;
        const char* why;
    } altered[] = {{Picture{}, "the left square is not in the picture"},
                   {squares(1, 4, false, 0.5), "too close to axis-aligned"},
                   {squares(1, 4, false, 50.0), ""}};  // beyond 45 degrees the box reads as 40: still whole
    for (const auto& a : altered) {
        j = judge_picture(a.picture.image(), 4);
        if (*a.why) {
            EXPECT_EQ(j.conclusion.outcome, Outcome::unjudged);
            EXPECT_NE(std::string(j.conclusion.text).find(a.why), std::string::npos) << j.conclusion.text;
        } else {
            EXPECT_EQ(j.conclusion.outcome, Outcome::agrees) << j.conclusion.text;
        }
    }
    Picture cut = squares(1, 4);
    cut.paint(600, 0, 200, 400, 0, 0, 0);  // the right square's right half cut off
    EXPECT_EQ(judge_picture(cut.image(), 4).conclusion.outcome, Outcome::unjudged);
}

TEST(Picture, TheVerdictHoldsThePictureAgainstTheClaim) {
    const Picture one = squares(1, 1), four = squares(1, 4), forced = squares(4, 4);
    const struct {
        int claimed;
        const Picture& picture;
        Outcome outcome;
        const char* text;
    } cases[] = {
        {4, four, Outcome::agrees, "the picture agrees with the report: 4 samples"},
        {0, one, Outcome::agrees, "the picture agrees with the report: no multisampling"},
        {8, four, Outcome::contradiction,
         "CONTRADICTION: the context reports 8 samples, but the right square shows 4 samples"},
        {4, one, Outcome::contradiction,
         "CONTRADICTION: the context reports 4 samples, but the right square shows no "
         "multisampling"},
        {0, four, Outcome::contradiction,
         "CONTRADICTION: the context reports no multisampling, yet the right square shows 4 "
         "samples"},
        {4, forced, Outcome::contradiction,
         "CONTRADICTION: the left square shows 4 samples although multisampling is off for it: the "
         "driver or its settings force anti-aliasing"},
    };
    for (const auto& t : cases) {
        const Conclusion c = judge_picture(t.picture.image(), t.claimed).conclusion;
        EXPECT_EQ(c.outcome, t.outcome);
        EXPECT_STREQ(c.text, t.text);
    }
}

// Smoothing that no sample count explains: forced on the left square it is a contradiction
// whatever its levels, as on the right square under a claim of no multisampling; on the right
// square under a claim of N it is said as seen, never given a count. Strays on the background
// neither make a contradiction nor hide one.
TEST(Picture, SmoothingBeyondTheSamplesIsNamed) {
    constexpr const char* left_forced =
        "the left square's edges are smoothed although multisampling is off for it, with levels that fit no "
        "sample count: a filtered resolve or a post-process forces anti-aliasing";
    const Picture wide = filtered(squares(4, 4));       // a wide resolve filter forced on both
    const Picture post = filtered(squares(1, 1), 128);  // a post-process over the whole picture
    Picture right_only = squares(1, 1);                 // the right half alone filtered
    const Picture right_filtered = filtered(squares(4, 4));
    std::copy(right_filtered.pixels.begin() + base_width * 2, right_filtered.pixels.end(),
              right_only.pixels.begin() + base_width * 2);  // rows past the first, then
    for (int y = 0; y < base_height; ++y) {                 // the left half put back
        std::copy_n(squares(1, 1).pixels.begin() + y * base_width * 4, base_width * 2,
                    right_only.pixels.begin() + y * base_width * 4);
    }
    Picture post_with_strays = post;
    Picture honest_with_strays = squares(1, 4);
    for (int i = 0; i < 12; ++i) {  // single grey pixels scattered over the background
        const auto v = static_cast<std::uint8_t>(20 + 19 * i);
        post_with_strays.paint(10 + 31 * i, 5 + 2 * i, 1, 1, v, v, v);
        honest_with_strays.paint(10 + 31 * i, 5 + 2 * i, 1, 1, v, v, v);
        honest_with_strays.paint(790 - 31 * i, 395 - 2 * i, 1, 1, v, v, v);
    }
    const struct {
        const char* name;
        const Picture& picture;
        int claimed;
        Outcome outcome;
        std::string text;
    } cases[] = {
        {"wide filter", wide, 4, Outcome::contradiction, std::string("CONTRADICTION: ") + left_forced},
        {"post-process", post, 4, Outcome::contradiction, std::string("CONTRADICTION: ") + left_forced},
        {"post-process and strays", post_with_strays, 4, Outcome::contradiction,
         std::string("CONTRADICTION: ") + left_forced},
        {"filtered right square under a claim of 0", right_only, 0, Outcome::contradiction,
         "CONTRADICTION: the context reports no multisampling, yet the right square's edges are smoothed, "
         "with levels that fit no sample count"},
        {"filtered right square under a claim of 4", right_only, 4, Outcome::unjudged,
         "none could be made: the right square is smoothed across pixel borders: levels that fit no box "
         "resolve of 4 samples"},
        {"strays on the background", honest_with_strays, 4, Outcome::agrees,
         "the picture agrees with the report: 4 samples"},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        const Judgement j = judge_picture(t.picture.image(), t.claimed);
        EXPECT_EQ(j.why_not_as_drawn, nullptr);
        EXPECT_EQ(j.conclusion.outcome, t.outcome);
        EXPECT_EQ(j.conclusion.text, t.text);
    }
}

// The picture as a window's contents give it: rows top to bottom, where the read-back's run bottom
// to top.
Picture flipped(const Picture& in) {
    Picture out = in;
    const std::size_t row = static_cast<std::size_t>(in.width) * 4;
    for (int y = 0; y < in.height; ++y) {
        std::copy_n(&in.pixels[static_cast<std::size_t>(y) * row], row,
                    &out.pixels[static_cast<std::size_t>(in.height - 1 - y) * row]);
    }
    return out;
}

// A 16-bit framebuffer stores each share rounded to 5, 6 and 5 bits, which a read-back at 8 bits a
// channel widens by a shift (white 248/252/248) or by repeating the bits (65/66 for one grey): read
// at the framebuffer's bits, it shows the count it was drawn with, white as white, and the window's
// picture of it widened the other way shows the same.
TEST(Picture, A16BitFramebufferIsReadAtItsOwnBits) {
    const Precision rgb565{5, 6, 5};
    const Picture drawn = squares(1, 4);
    Picture widened[2] = {drawn, drawn};  // shifted, bits repeated
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (std::size_t i = 0; i < drawn.pixels.size(); i += 4) {
            for (std::size_t c = 0; c < 3; ++c) {
                const int bits = c == 1 ? 6 : 5;
                const int v = static_cast<int>(std::lround(drawn.pixels[i + c] * ((1 << bits) - 1) / 255.0));
                widened[repeat].pixels[i + c] =
                    static_cast<std::uint8_t>(v << (8 - bits) | (repeat ? v >> (2 * bits - 8) : 0));
            }
        }
    }
    for (int repeat = 0; repeat < 2; ++repeat) {
        SCOPED_TRACE(repeat ? "bits repeated" : "shifted");
        const Judgement j =
            jaggo::picture::judge_picture(widened[repeat].image(), geometry, 4, "the context", rgb565);
        EXPECT_EQ(j.left.samples, 1);
        EXPECT_EQ(j.right.samples, 4);
        EXPECT_EQ(j.squares.left.intermediate, 0);
        EXPECT_STREQ(j.conclusion.text, "the picture agrees with the report: 4 samples");
        const Presented shown =
            judge_presented(flipped(widened[1 - repeat]).image(), widened[repeat].image(), j, geometry, 4);
        EXPECT_STREQ(shown.not_readable, "");
        EXPECT_FALSE(shown.differs);
    }
}

// The window's picture held against the drawn one: smoothing added when the frame is presented is
// a contradiction naming the presentation; a picture that is not the frame drawn (black, of another
// size, the squares elsewhere, another window over it) is not readable, never a contradiction.
TEST(Picture, ThePresentedPictureIsHeldAgainstTheDrawnOne) {
    const Picture drawn = squares(1, 4);
    const Judgement judged = judge_picture(drawn.image(), 4);
    const Picture as_drawn = flipped(drawn);
    const Picture smoothed = flipped(filtered(drawn, 128));
    const Picture earlier =
        flipped(squares(1, 4, false, 20.0));  // a frame before the judged one, turned less
    const Picture black, small{base_width / 2, base_height / 2};
    // A tooltip beside the right square, and one over its middle: neither is a smoothing of edges.
    Picture beside = as_drawn, over = as_drawn;
    beside.paint(base_width - 60, 20, 50, 12, 255, 255, 200);
    over.paint(base_width / 2 + 180, base_height / 2 - 6, 40, 12, 40, 40, 40);
    const struct {
        const char* name;
        const Picture& shown;
        const char* not_readable;
        bool differs;
    } cases[] = {
        {"as drawn", as_drawn, "", false},
        {"smoothed at the swap", smoothed, "", true},
        {"all black", black, "the window's contents read all black", false},
        {"another size", small, "the window shows 400x200 pixels, the frame has 800x400", false},
        {"another frame", earlier, "the window shows another frame than the one drawn (an earlier one?)",
         false},
        {"covered beside a square", beside, "something else covers the window", false},
        {"covered over a square", over, "something else covers the window", false},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        const Presented p = judge_presented(t.shown.image(), drawn.image(), judged, geometry, 4);
        EXPECT_STREQ(p.not_readable, t.not_readable);
        EXPECT_EQ(p.differs, t.differs);
        const Conclusion c = with_presentation(judged.conclusion, p);
        if (t.differs) {
            EXPECT_STREQ(c.text,
                         "CONTRADICTION: the window shows the squares' edges otherwise than they were drawn: "
                         "the driver smooths the frame when it is presented");
        } else {
            EXPECT_STREQ(c.text, judged.conclusion.text);
        }
    }
}

}  // namespace
