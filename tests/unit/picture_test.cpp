// jaggo tests: the picture analysis on synthetic pictures: the scene's two squares rasterised here,
// independently of any driver, each pixel resolved from N samples of a rook pattern. Catches a wrong
// sample count read from the grey levels, strays that sway it, a gamma-correct resolve or an
// altered picture read as a count, and a verdict that calls a contradiction agreement.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "picture/judgement.h"

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

}  // namespace
