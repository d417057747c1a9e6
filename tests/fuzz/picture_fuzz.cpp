// jaggo fuzz target: the picture analysis on small pictures, checked against its own reading of them.
// Input: four header bytes, then the picture.
//
// Byte 0 is the mode: bit 0 reads the rest one byte a pixel, as a neutral grey (red, green and blue
// alike), instead of four bytes a pixel (red, green, blue, ignored); bit 1 starts from the scene
// drawn here instead. Byte 3 is the GL_SAMPLES the context claims.
// - Without bit 1 the picture is 1 + byte 1 % 256 pixels wide and 1 + byte 2 % 128 high; its pixels
//   are the rest of the input, padded with black.
// - With bit 1 the picture is twice as wide as high, 16 + byte 2 % 81 pixels high, with the scene's
//   two squares turned by byte 1 % 46 degrees, the left resolved from the sample count of bits 2-4,
//   the right from bits 5-7 (1, 2, 4, 8, 16, 3, 6 or 32, each pixel from a rook pattern); the
//   rest of the input, three bytes at a time, then sets the pixel at the first two (modulo the
//   picture's size) to the neutral grey of the third.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "picture/judgement.h"
#include "picture/presentation.h"

namespace {

using namespace jaggo::picture;

void check(bool ok) {
    if (!ok) __builtin_trap();
}

bool starts_with(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The scene's proportions, written again on purpose: the squares' side is 0.6 of the height and
// their centres lie half the height left and right of the middle.
constexpr double side_share = 0.6;
constexpr double offset_share = 0.5;
// The same, in the scene's projection units (its height spans 2), as the analysis is handed them.
constexpr Geometry geometry{side_share, 2.0 * offset_share};
constexpr int template_samples[8] = {1, 2, 4, 8, 16, 3, 6, 32};

struct Picture {
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    std::uint8_t* at(long index) { return &pixels[static_cast<std::size_t>(index) * 4]; }
};

void set_grey(std::uint8_t* p, std::uint8_t v) {
    p[0] = p[1] = p[2] = v;
    p[3] = 255;
}

// The two squares, each pixel's coverage counted over n samples, one a row and a column.
void draw_scene(Picture& picture, double degrees, int left_samples, int right_samples) {
    const double a = degrees * 3.141592653589793 / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double half_side = side_share * picture.height / 2.0;
    const double middle_y = picture.height / 2.0;
    const double reach = half_side * 1.5;
    for (const auto& [cx, n] :
         {std::pair{picture.width / 2.0 - offset_share * picture.height, left_samples},
          std::pair{picture.width / 2.0 + offset_share * picture.height, right_samples}}) {
        const int step = n % 3 != 0 ? 3 : (n % 5 != 0 ? 5 : 7);
        const int y0 = std::max(0, static_cast<int>(middle_y - reach));
        const int y1 = std::min(picture.height, static_cast<int>(middle_y + reach) + 1);
        const int x0 = std::max(0, static_cast<int>(cx - reach));
        const int x1 = std::min(picture.width, static_cast<int>(cx + reach) + 1);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                int covered = 0;
                for (int i = 0; i < n; ++i) {
                    const double dx = x + (i + 0.5) / n - cx;
                    const double dy = y + ((i * step) % n + 0.5) / n - middle_y;
                    covered +=
                        std::fabs(dx * c + dy * s) <= half_side && std::fabs(dy * c - dx * s) <= half_side;
                }
                set_grey(picture.at(static_cast<long>(y) * picture.width + x),
                         static_cast<std::uint8_t>(std::lround(255.0 * covered / n)));
            }
        }
    }
}

Picture make_picture(const std::uint8_t* data, std::size_t size) {
    Picture picture;
    const unsigned mode = data[0];
    const bool grey = (mode & 1u) != 0;
    const bool scene = (mode & 2u) != 0;
    picture.height = scene ? 16 + data[2] % 81 : 1 + data[2] % 128;
    picture.width = scene ? 2 * picture.height : 1 + data[1];
    const long count = static_cast<long>(picture.width) * picture.height;
    picture.pixels.assign(static_cast<std::size_t>(count) * 4, 0);
    const std::uint8_t* rest = data + 4;
    const std::size_t left = size - 4;
    if (scene) {
        draw_scene(picture, data[1] % 46, template_samples[(mode >> 2) & 7u],
                   template_samples[(mode >> 5) & 7u]);
        for (std::size_t i = 0; i + 3 <= left; i += 3) {
            const long index = (rest[i] << 8 | rest[i + 1]) % count;
            set_grey(picture.at(index), rest[i + 2]);
        }
    } else if (grey) {
        for (long i = 0; i < count && static_cast<std::size_t>(i) < left; ++i)
            set_grey(picture.at(i), rest[i]);
    } else {
        std::memcpy(picture.pixels.data(), rest, std::min(left, picture.pixels.size()));
    }
    return picture;
}

// An independent reading of one half, columns x0 to x1 - 1: the neutral greys of each level.
struct Half {
    std::uint32_t level[256] = {};
    std::uint32_t greys = 0;  // neutral grey pixels
};

Half read_half(Picture& picture, int x0, int x1) {
    Half half;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = picture.at(static_cast<long>(y) * picture.width + x);
            if (p[0] == p[1] && p[0] == p[2] && p[0] != 0 && p[0] != 255) {
                ++half.level[p[0]];
                ++half.greys;
            }
        }
    }
    return half;
}

// The level k/n coverage gives, stored linearly or sRGB-encoded.
double coverage_level(int k, int n, bool gamma) {
    const double share = static_cast<double>(k) / n;
    if (!gamma) return 255.0 * share;
    return 255.0 * (share <= 0.0031308 ? 12.92 * share : 1.055 * std::pow(share, 1.0 / 2.4) - 0.055);
}

void check_reading(const Reading& r, const Half& half) {
    check(r.samples == 0 || (r.samples >= 1 && r.samples <= max_samples));
    check(r.neutral_greys == half.greys);
    check(r.level_count >= 0 && r.level_count <= 254);
    // A picture with no grey shows one sample.
    if (half.greys == 0) check(r.samples == 1 && r.level_count == 0 && !r.spread);
    // The recurring levels: ascending, each really recurring, none left out.
    const double floor = std::max(8.0, half.greys / 64.0);
    int recurring = 0;
    for (int level = 1; level < 255; ++level) recurring += half.level[level] >= floor;
    check(r.level_count == recurring);
    for (int i = 0; i < r.level_count; ++i) {
        check(r.levels[i] >= 1 && r.levels[i] <= 254);
        check(half.level[r.levels[i]] >= 8 && half.level[r.levels[i]] >= floor);
        if (i > 0) check(r.levels[i] > r.levels[i - 1]);
    }
    if (r.spread || r.samples <= 1) {
        check(r.spread ? r.samples == 0 : r.samples != 1 || r.level_count == 0);
        return;
    }
    // A count: its levels are distinct coverages of it, three in four of them at least.
    const int n = r.samples;
    check(r.level_count <= n - 1 && 4 * r.level_count >= 3 * (n - 1));
    for (int i = 0; i < r.level_count; ++i) {
        bool near = false;
        for (int k = 1; k < n && !near; ++k)
            near = std::fabs(r.levels[i] - coverage_level(k, n, r.gamma)) <= 2.5;
        check(near);
    }
}

// The verdict from first principles: the left square is drawn without multisampling, so any
// smoothing of it (a count other than 1, or levels that fit none) is forced: a contradiction. The
// right square must show what the context grants; under a claim of N its levels fitting no count
// may be N samples under a wider filter, which leaves it unjudged, never given a count.
void check_verdict(const Conclusion& v, int claimed, const Reading& left, const Reading& right, bool judged) {
    check(std::memchr(v.text, '\0', sizeof v.text) != nullptr);
    check(std::strchr(v.text, '\n') == nullptr);
    const int granted = std::max(claimed, 1);
    const bool forced_left = left.samples != 1;
    const bool right_unfit = granted > 1 && right.samples == 0;
    const bool right_wrong = !right_unfit && right.samples != granted;
    Outcome expected = Outcome::agrees;
    if (!judged) {
        expected = Outcome::unjudged;
    } else if (forced_left || right_wrong) {
        expected = Outcome::contradiction;
    } else if (right_unfit) {
        expected = Outcome::unjudged;
    }
    check(v.outcome == expected);
    if (v.outcome == Outcome::agrees) check(starts_with(v.text, "the picture agrees with the report: "));
    if (v.outcome == Outcome::unjudged) check(starts_with(v.text, "none could be made: "));
    if (v.outcome == Outcome::contradiction) {
        check(starts_with(v.text, "CONTRADICTION: "));
        // Each contradiction is named: the left square's whenever it is smoothed, and with levels
        // that fit no count, said so rather than given one.
        check((std::strstr(v.text, "the left square") != nullptr) == forced_left);
        check((std::strstr(v.text, "the right square") != nullptr) == right_wrong);
        if (left.samples == 0) check(std::strstr(v.text, "left square's edges are smoothed") != nullptr);
    }
    if (judged && v.outcome == Outcome::unjudged) {
        char said[64];
        std::snprintf(said, sizeof said, "fit no box resolve of %d samples", claimed);
        check(std::strstr(v.text, said) != nullptr);
    }
}

// The square's pixels read again: per-column and per-row counts of lit pixels, kept whole, and
// the run of nonzero counts that holds the most (the first of equals); the box of the lit pixels
// in those columns and rows, and its partly lit ones.
std::pair<int, int> heaviest_run(const std::vector<long>& counts) {
    std::pair<int, int> best{static_cast<int>(counts.size()), -1};
    long best_sum = 0;
    for (std::size_t i = 0; i < counts.size();) {
        if (counts[i] == 0) {
            ++i;
            continue;
        }
        std::size_t j = i;
        long sum = 0;
        while (j < counts.size() && counts[j] != 0) sum += counts[j++];
        if (sum > best_sum) best = {static_cast<int>(i), static_cast<int>(j) - 1}, best_sum = sum;
        i = j;
    }
    return best;
}

void check_square(const Square& square, Picture& picture, int x0, int x1) {
    auto is_lit = [&](int x, int y) {
        const std::uint8_t* p = picture.at(static_cast<long>(y) * picture.width + x);
        return p[0] != 0 || p[1] != 0 || p[2] != 0;
    };
    std::vector<long> columns(static_cast<std::size_t>(std::max(0, x1 - x0)), 0);
    for (int x = x0; x < x1; ++x)
        for (int y = 0; y < picture.height; ++y) columns[static_cast<std::size_t>(x - x0)] += is_lit(x, y);
    const auto [c0, c1] = heaviest_run(columns);
    if (c1 < c0) {
        check(square.width() <= 0 && square.intermediate == 0);
        return;
    }
    std::vector<long> rows(static_cast<std::size_t>(picture.height), 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = x0 + c0; x <= x0 + c1; ++x) rows[static_cast<std::size_t>(y)] += is_lit(x, y);
    const auto [r0, r1] = heaviest_run(rows);
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1, partly = 0;
    for (int y = r0; y <= r1; ++y) {
        for (int x = x0 + c0; x <= x0 + c1; ++x) {
            if (!is_lit(x, y)) continue;
            const std::uint8_t* p = picture.at(static_cast<long>(y) * picture.width + x);
            partly += std::max({p[0], p[1], p[2]}) != 255;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    check(square.left == left && square.right == right && square.top == top && square.bottom == bottom);
    check(square.intermediate == partly);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    Picture picture = make_picture(data, size);
    const int claimed = data[3];
    // The analysis gets exactly the picture's bytes, so that ASan sees any read beyond them.
    const Image image{picture.pixels.data(), picture.width, picture.height};
    const Judgement j = judge_picture(image, geometry, claimed);

    const int half = picture.width / 2;
    const Half left = read_half(picture, 0, half);
    const Half right = read_half(picture, half, picture.width);
    check_square(j.squares.left, picture, 0, half);
    check_square(j.squares.right, picture, half, picture.width);
    check_reading(j.left, left);
    check_reading(j.right, right);
    check_verdict(j.conclusion, claimed, j.left, j.right,
                  why_not_as_drawn(image, j.squares, geometry) == nullptr);
    // The readings judged directly, as a picture drawn whole would have them judged.
    check_verdict(judge(claimed, j.left, j.right), claimed, j.left, j.right, true);
    // The picture presented as drawn (its rows top to bottom, as a window's contents run) never
    // differs from itself, and leaves the verdict as it is.
    const std::size_t row_bytes = static_cast<std::size_t>(picture.width) * bytes_per_pixel;
    std::vector<std::uint8_t> flipped(picture.pixels.size());
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(flipped.data() + static_cast<std::size_t>(picture.height - 1 - y) * row_bytes,
                    picture.pixels.data() + static_cast<std::size_t>(y) * row_bytes, row_bytes);
    }
    const Presented shown =
        judge_presented(Image{flipped.data(), picture.width, picture.height}, image, j, geometry, claimed);
    check(!shown.differs);
    const Conclusion kept = with_presentation(j.conclusion, shown);
    check(kept.outcome == j.conclusion.outcome && std::strcmp(kept.text, j.conclusion.text) == 0);

    // The lines as the program prints them, in a buffer of its size; never cut, never two lines.
    char line[2400];
    char expected[128];
    edges_line(j, line, sizeof line);
    std::snprintf(expected, sizeof expected, "Edges: left square %d intermediate pixels, right square %d",
                  j.squares.left.intermediate, j.squares.right.intermediate);
    check(std::strcmp(line, expected) == 0);
    coverage_line(j, line, sizeof line);
    const std::size_t length = std::strlen(line);
    check(starts_with(line, "Coverage: left square ") && std::strstr(line, ", right square ") != nullptr);
    check(length + 1 < sizeof line && std::strchr(line, '\n') == nullptr);
    return 0;
}
