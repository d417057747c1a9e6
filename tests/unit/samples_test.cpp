// jaggo tests: the samples read one by one, on synthetic per-sample pictures: each sample's picture
// rasterised here at a known sample point, independently of the analysis. Catches a position fitted
// wrongly or a mirrored report let through, samples with the same picture counted apart, and a
// resolve that is the samples' mean (plain or in linear light) taken for a filtered one, or back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "picture/sample_findings.h"
#include "picture/samples.h"

namespace {

using namespace jaggo::picture;

constexpr int width = 800, height = 400;
constexpr Geometry geometry{0.6, 1.0};
constexpr double degrees = 30.0;

// The standard 4- and 8-sample patterns, in sixteenths of a pixel, y up.
const std::vector<SamplePosition> four = {
    {6 / 16.0, 14 / 16.0}, {14 / 16.0, 10 / 16.0}, {2 / 16.0, 6 / 16.0}, {10 / 16.0, 2 / 16.0}};
const std::vector<SamplePosition> eight = {
    {9 / 16.0, 5 / 16.0},  {7 / 16.0, 11 / 16.0}, {13 / 16.0, 9 / 16.0},  {5 / 16.0, 3 / 16.0},
    {3 / 16.0, 13 / 16.0}, {1 / 16.0, 7 / 16.0},  {11 / 16.0, 15 / 16.0}, {15 / 16.0, 1 / 16.0}};

using Picture = std::vector<std::uint8_t>;

// Whether p lies inside the square of that centre and half side turned by angle: on the inner side
// of each of its edges, walked counterclockwise from corner to corner.
bool inside(double px, double py, double cx, double cy, double half, double angle) {
    const double a = angle * 3.141592653589793 / 180.0;
    double corners[4][2];
    const double local[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
    for (int i = 0; i < 4; ++i) {
        corners[i][0] = cx + local[i][0] * std::cos(a) - local[i][1] * std::sin(a);
        corners[i][1] = cy + local[i][0] * std::sin(a) + local[i][1] * std::cos(a);
    }
    for (int i = 0; i < 4; ++i) {
        const double* p = corners[i];
        const double* q = corners[(i + 1) % 4];
        if ((q[0] - p[0]) * (py - p[1]) - (q[1] - p[1]) * (px - p[0]) < 0) return false;
    }
    return true;
}

// One sample's picture, rows bottom to top: the right square seen at the sample point, the left at
// left_at (the pixel's centre, as drawn without multisampling).
Picture sample_picture(SamplePosition at, SamplePosition left_at = {0.5, 0.5}) {
    Picture picture(static_cast<std::size_t>(width * height * 4), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool lit = inside(x + at.x, y + at.y, 600, 200, 120, degrees) ||
                             inside(x + left_at.x, y + left_at.y, 200, 200, 120, degrees);
            for (int c = 0; c < 3; ++c)
                picture[static_cast<std::size_t>((y * width + x) * 4 + c)] = lit ? 255 : 0;
        }
    }
    return picture;
}

// What a box of the picture holds, rows bottom to top, as the reading reads it.
Picture crop(const Picture& picture, const Box& box) {
    Picture part;
    for (int y = box.y; y < box.y + box.height; ++y) {
        const auto row = picture.begin() + (y * width + box.x) * 4;
        part.insert(part.end(), row, row + box.width * 4);
    }
    return part;
}

// Feeds each picture's right box, then each one's left box, as the reading does.
void feed_pictures(SampleAccumulator* samples, const std::vector<Picture>& pictures) {
    for (const Picture& picture : pictures) {
        const Picture part = crop(picture, samples->right_box);
        add_sample(samples, {part.data(), samples->right_box.width, samples->right_box.height});
    }
    for (const Picture& picture : pictures) {
        const Picture part = crop(picture, samples->left_box);
        add_left_sample(samples, {part.data(), samples->left_box.width, samples->left_box.height});
    }
}

struct Fed {
    SampleAccumulator samples;
    std::vector<Picture> pictures;
};

void feed(Fed* fed, const std::vector<SamplePosition>& at) {
    start_samples(&fed->samples, width, height, right_square(width, height, geometry, degrees));
    for (const SamplePosition& p : at) fed->pictures.push_back(sample_picture(p));
    feed_pictures(&fed->samples, fed->pictures);
}

// The mean of the pictures, each pixel's red, as a stored value: the plain mean rounded, or the
// mean in linear light encoded again.
Picture mean_of(const std::vector<Picture>& pictures, bool linear) {
    Picture mean(pictures[0].size(), 0);
    for (std::size_t i = 0; i < mean.size(); ++i) {
        double sum = 0;
        for (const Picture& p : pictures) {
            const double v = p[i] / 255.0;
            sum += linear ? (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4)) : v;
        }
        double m = sum / static_cast<double>(pictures.size());
        if (linear) m = m <= 0.0031308 ? m * 12.92 : 1.055 * std::pow(m, 1 / 2.4) - 0.055;
        mean[i] = static_cast<std::uint8_t>(std::lround(m * 255.0));
    }
    return mean;
}

TEST(Samples, EachPositionIsFittedFromItsPictureAndHeldAgainstTheReport) {
    Fed fed;
    feed(&fed, eight);
    for (std::size_t i = 0; i < eight.size(); ++i) {
        ASSERT_TRUE(fed.samples.seen[i].fitted) << i;
        EXPECT_NEAR(fed.samples.seen[i].position.x, eight[i].x, 1 / 64.0) << i;
        EXPECT_NEAR(fed.samples.seen[i].position.y, eight[i].y, 1 / 64.0) << i;
    }
    const Picture resolve = mean_of(fed.pictures, false);
    const Image image{resolve.data(), width, height};
    const SampleFindings honest = find_samples(fed.samples, image, 8, eight.data(), 8);
    EXPECT_EQ(judge_samples(honest).outcome, Outcome::agrees);

    std::vector<SamplePosition> mirrored = eight;
    for (SamplePosition& p : mirrored) p.y = 1.0 - p.y;
    const SampleFindings lie = find_samples(fed.samples, image, 8, mirrored.data(), 8);
    const Conclusion c = judge_samples(lie);
    EXPECT_EQ(c.outcome, Outcome::contradiction);
    EXPECT_NE(std::string(c.text).find("mirrored top to bottom"), std::string::npos) << c.text;

    std::vector<SamplePosition> moved = eight;
    moved[3].x += 0.25;  // one sample a quarter pixel off, not a mirror image
    const Conclusion off = judge_samples(find_samples(fed.samples, image, 8, moved.data(), 8));
    EXPECT_EQ(std::string(off.text).find("mirrored"), std::string::npos) << off.text;
    EXPECT_NE(std::string(off.text).find("sample 3 lies at"), std::string::npos) << off.text;
}

TEST(Samples, SamplesWithTheSamePictureCountOnce) {
    Fed fed;
    std::vector<SamplePosition> doubled;
    for (const SamplePosition& p : four) doubled.insert(doubled.end(), {p, p});  // 8 reported, 4 stored
    feed(&fed, doubled);
    const Picture resolve = mean_of(fed.pictures, false);
    const SampleFindings f = find_samples(fed.samples, {resolve.data(), width, height}, 8, doubled.data(), 4);
    EXPECT_EQ(f.distinct, 4);
    EXPECT_STREQ(judge_samples(f).text,
                 "CONTRADICTION: the context reports 8 samples, but 4 of them hold pictures of their own");

    // Samples read past what a buffer stores come back black: they hold no picture, and the four
    // that do are still the resolve's whole mean.
    Fed padded;
    start_samples(&padded.samples, width, height, right_square(width, height, geometry, degrees));
    for (const SamplePosition& p : four) padded.pictures.push_back(sample_picture(p));
    const Picture mean = mean_of(padded.pictures, false);
    padded.pictures.insert(padded.pictures.end(), 4, Picture(padded.pictures[0].size(), 0));
    feed_pictures(&padded.samples, padded.pictures);
    const SampleFindings p = find_samples(padded.samples, {mean.data(), width, height}, 8, nullptr, 4);
    EXPECT_EQ(p.distinct, 4);
    EXPECT_TRUE(p.resolve.is_mean());
    EXPECT_TRUE(p.left_alike);
}

TEST(Samples, TheResolveIsTheMeanPlainOrInLinearLightButNotFiltered) {
    Fed fed;
    feed(&fed, four);
    for (const bool linear : {false, true}) {
        const Picture resolve = mean_of(fed.pictures, linear);
        const ResolveComparison r = compare_resolve(fed.samples, {resolve.data(), width, height});
        EXPECT_TRUE(r.is_mean()) << linear << " " << r.off;
        EXPECT_EQ(r.linear, linear);
    }
    // The resolve is their mean, so grey levels that read another count fell short: said, not held.
    const Picture resolve = mean_of(fed.pictures, false);
    const SampleFindings short_levels =
        find_samples(fed.samples, {resolve.data(), width, height}, 4, four.data(), 2);
    char line[600];
    samples_line(short_levels, line, sizeof line);
    EXPECT_NE(std::string(line).find("the grey levels read 2: the level reading fell short"),
              std::string::npos)
        << line;
    EXPECT_EQ(judge_samples(short_levels).outcome, Outcome::agrees);
    // A tent over the pixel and its neighbours left and right: the samples' mean no longer.
    const Picture mean = mean_of(fed.pictures, false);
    Picture filtered = mean;
    for (std::size_t i = 4; i + 4 < mean.size(); ++i) {
        filtered[i] = static_cast<std::uint8_t>((mean[i - 4] + 2 * mean[i] + mean[i + 4] + 2) / 4);
    }
    const SampleFindings f = find_samples(fed.samples, {filtered.data(), width, height}, 4, four.data(), 4);
    EXPECT_FALSE(f.resolve.is_mean());
    EXPECT_NE(std::string(judge_samples(f).text).find("a filtered resolve"), std::string::npos);
}

TEST(Samples, TheLeftSquaresSamplesDifferWhereMultisamplingIsForcedOnIt) {
    SampleAccumulator samples;
    start_samples(&samples, width, height, right_square(width, height, geometry, degrees));
    std::vector<Picture> pictures;
    for (const SamplePosition& p : four) pictures.push_back(sample_picture(p, p));  // the left square too
    feed_pictures(&samples, pictures);
    EXPECT_EQ(distinct_left_squares(samples), 4);
}

}  // namespace
