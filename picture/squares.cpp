// jaggo picture: finds the squares' boxes and grey pixels, and checks them against the scene's layout.
#include "picture/squares.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace jaggo::picture {

namespace {

// Boxes and centres may be off by this many pixels from the ideal: rasterisation rounds each edge.
constexpr double slack = 2.0;

constexpr double pi = 3.141592653589793;

bool lit(const Image& image, int x, int y) {
    const std::uint8_t* p = image.pixels + (static_cast<long>(y) * image.width + x) * bytes_per_pixel;
    return p[0] != 0 || p[1] != 0 || p[2] != 0;
}

// The first and last of the positions from..to - 1 of the run of consecutive positions with lit
// pixels (lit_at(i) gives how many) that holds the most of them: the square, while a stray pixel
// or a cursor apart from it makes a run of its own. first > last when none is lit.
template <typename LitAt>
void largest_run(int from, int to, LitAt lit_at, int* first, int* last) {
    *first = to;
    *last = from - 1;
    long best = 0;
    long sum = 0;
    int start = from;
    for (int i = from; i <= to; ++i) {
        const long n = i < to ? lit_at(i) : 0;
        if (n != 0) {
            if (sum == 0) start = i;
            sum += n;
            continue;
        }
        if (sum > best) {
            best = sum;
            *first = start;
            *last = i - 1;
        }
        sum = 0;
    }
}

// The square in columns x0 to x1 - 1: the largest run of columns with lit pixels, then within it
// the largest run of rows, then the box of the lit pixels there and how many of them are grey.
// Columns of a half this wide or narrower are counted row by row, in the picture's order in memory.
constexpr int max_counted_columns = 4096;

Square find_square(const Image& image, int x0, int x1, const Precision& precision) {
    std::uint32_t columns[max_counted_columns];
    const bool counted = x1 - x0 <= max_counted_columns;
    if (counted) {
        std::fill(columns, columns + (x1 - x0), 0U);
        for (int y = 0; y < image.height; ++y) {
            for (int x = x0; x < x1; ++x) columns[x - x0] += lit(image, x, y);
        }
    }
    int left = 0;
    int right = 0;
    largest_run(
        x0, x1,
        [&](int x) {
            if (counted) return static_cast<long>(columns[x - x0]);
            long n = 0;
            for (int y = 0; y < image.height; ++y) n += lit(image, x, y);
            return n;
        },
        &left, &right);
    int top = 0;
    int bottom = 0;
    largest_run(
        0, image.height,
        [&](int y) {
            long n = 0;
            for (int x = left; x <= right; ++x) n += lit(image, x, y);
            return n;
        },
        &top, &bottom);
    Square s{x1, -1, image.height, -1, 0};
    for (int y = top; y <= bottom; ++y) {
        const std::uint8_t* row = image.pixels + static_cast<long>(y) * image.width * bytes_per_pixel;
        for (int x = left; x <= right; ++x) {
            const std::uint8_t* p = row + x * bytes_per_pixel;
            if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
            if (x < s.left) s.left = x;
            if (x > s.right) s.right = x;
            if (y < s.top) s.top = y;
            s.bottom = y;
            if (intermediate(p, precision)) ++s.intermediate;
        }
    }
    return s;
}

// A length of the scene's projection in pixels of a framebuffer of that height.
double pixels(double length, int height) {
    return length * height / 2.0;
}

}  // namespace

bool intermediate(const std::uint8_t* pixel, const Precision& precision) {
    if (pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0) return false;
    const int bits[3] = {read_bits(precision.red), read_bits(precision.green), read_bits(precision.blue)};
    for (int c = 0; c < 3; ++c) {
        if (stored_value(pixel[c], bits[c]) == (1 << bits[c]) - 1) return false;
    }
    return true;
}

Squares find_squares(const Image& image, const Precision& precision) {
    const int half = image.width / 2;
    return {find_square(image, 0, half, precision), find_square(image, half, image.width, precision)};
}

double turned_degrees(const Square& square, int height, const Geometry& geometry) {
    const double side = pixels(2.0 * geometry.square_half_side, height);
    if (square.width() <= 0 || side <= 0.0) return -1.0;
    const double ratio = square.width() / (side * std::sqrt(2.0));
    if (ratio > 1.0 || square.width() < side - slack) return -1.0;
    const double degrees = std::asin(ratio) * 180.0 / pi - 45.0;
    return degrees > 0.0 ? degrees : 0.0;
}

const char* why_not_as_drawn(const Image& image, const Squares& squares, const Geometry& geometry) {
    const double middle = image.width / 2.0;
    const double offset = pixels(geometry.square_offset, image.height);
    const struct {
        const Square& square;
        double centre_x;
        const char* missing;
        const char* broken;
    } expected[] = {
        {squares.left, middle - offset, "the left square is not in the picture",
         "the left square is not drawn whole (a scaled or cut-off picture?)"},
        {squares.right, middle + offset, "the right square is not in the picture",
         "the right square is not drawn whole (a scaled or cut-off picture?)"},
    };
    for (const auto& e : expected) {
        if (e.square.width() <= 0) return e.missing;
        if (std::fabs(e.square.centre_x() - e.centre_x) > slack ||
            std::fabs(e.square.centre_y() - image.height / 2.0) > slack ||
            std::abs(e.square.width() - e.square.height()) > slack ||
            turned_degrees(e.square, image.height, geometry) < 0.0) {
            return e.broken;
        }
    }
    if (std::abs(squares.left.width() - squares.right.width()) > slack) {
        return "the two squares differ in size (a scaled picture?)";
    }
    if (turned_degrees(squares.left, image.height, geometry) < min_turned_degrees) {
        return "the squares stand too close to axis-aligned for their edges to show the samples";
    }
    return nullptr;
}

}  // namespace jaggo::picture
