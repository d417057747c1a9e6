// jaggo picture: each sample's picture summed, signed and fitted as it is fed, and the driver's
// resolve held against the samples' mean.
#include "picture/samples.h"

#include <algorithm>
#include <cmath>

namespace jaggo::picture {

namespace {

constexpr double pi = 3.141592653589793;

// The square's edges, each by its outward normal: a point p lies inside where, for every edge,
// normal . (p - centre) < half side.
struct Edges {
    double nx[4], ny[4];
};

Edges edges_of(const PlacedSquare& square) {
    Edges e{};
    const double a = square.degrees * pi / 180.0;
    for (int k = 0; k < 4; ++k) {
        e.nx[k] = std::cos(a + k * pi / 2.0);
        e.ny[k] = std::sin(a + k * pi / 2.0);
    }
    return e;
}

// The largest value normal . s takes for s within the pixel, and the smallest.
double reach(double nx, double ny) {
    return std::max(nx, 0.0) + std::max(ny, 0.0);
}
double least(double nx, double ny) {
    return std::min(nx, 0.0) + std::min(ny, 0.0);
}

// sRGB's decoding of a stored value to linear light, and its encoding back, 0 to 1.
double decode(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double encode(double v) {
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

struct DecodeTable {
    float value[256];
    DecodeTable() {
        for (int i = 0; i < 256; ++i) value[i] = static_cast<float>(decode(i / 255.0));
    }
};

const DecodeTable& linear() {
    static const DecodeTable table;
    return table;
}

// FNV-1a taken a pixel at a time: its red, green and blue as one value.
std::uint64_t fnv1a(std::uint64_t hash, const std::uint8_t* pixel) {
    const std::uint32_t colour =
        pixel[0] | static_cast<std::uint32_t>(pixel[1]) << 8 | static_cast<std::uint32_t>(pixel[2]) << 16;
    return (hash ^ colour) * 0x100000001b3ULL;
}

constexpr std::uint64_t fnv_basis = 0xcbf29ce484222325ULL;

std::uint64_t signature_of(const Image& picture) {
    std::uint64_t hash = fnv_basis;
    const std::size_t count =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    for (std::size_t n = 0; n < count; ++n) hash = fnv1a(hash, picture.pixels + n * bytes_per_pixel);
    return hash;
}

// How many different signatures the first count samples not empty have.
int distinct_signatures(const SampleAccumulator& samples, const std::uint64_t* signatures, int count) {
    int distinct = 0;
    for (int i = 0; i < count; ++i) {
        if (samples.is_empty[i]) continue;
        bool seen_before = false;
        for (int j = 0; j < i && !seen_before; ++j)
            seen_before = !samples.is_empty[j] && signatures[j] == signatures[i];
        distinct += !seen_before;
    }
    return distinct;
}

}  // namespace

PlacedSquare right_square(int width, int height, const Geometry& geometry, double degrees) {
    // The projection spans the height from -1 to 1: a unit of it is half the height in pixels.
    const double unit = height / 2.0;
    return {width / 2.0 + geometry.square_offset * unit, height / 2.0, geometry.square_half_side * unit,
            degrees};
}

Box box_around(const PlacedSquare& square, int width, int height) {
    const double a = square.degrees * pi / 180.0;
    const double reach = square.half_side * (std::fabs(std::cos(a)) + std::fabs(std::sin(a))) + 2.0;
    const int x0 = std::max(0, static_cast<int>(std::floor(square.centre_x - reach)));
    const int x1 = std::min(width, static_cast<int>(std::ceil(square.centre_x + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(square.centre_y - reach)));
    const int y1 = std::min(height, static_cast<int>(std::ceil(square.centre_y + reach)));
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

FittedPosition fit_sample_position(const Image& sample, const PlacedSquare& square) {
    const Edges e = edges_of(square);
    double low[4], high[4];
    bool bounded_low[4] = {}, bounded_high[4] = {};
    for (int k = 0; k < 4; ++k) {
        low[k] = least(e.nx[k], e.ny[k]);
        high[k] = reach(e.nx[k], e.ny[k]);
    }
    const double extent = square.half_side * std::sqrt(2.0) + 2.0;
    const int x0 = std::max(0, static_cast<int>(std::floor(square.centre_x - extent)));
    const int x1 = std::min(sample.width, static_cast<int>(std::ceil(square.centre_x + extent)));
    const int y0 = std::max(0, static_cast<int>(std::floor(square.centre_y - extent)));
    const int y1 = std::min(sample.height, static_cast<int>(std::ceil(square.centre_y + extent)));
    // A pixel (x, y) is lit where every edge k has normal . s < bound[k], s being the sample point
    // within the pixel: a lit pixel bounds each edge's normal . s from above; an unlit one, lying
    // inside the other three edges wherever its sample point sits, bounds it from below.
    constexpr double margin = 1e-3;
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* row =
            sample.pixels + static_cast<std::size_t>(y * sample.width * bytes_per_pixel);
        for (int x = x0; x < x1; ++x) {
            const bool lit = row[x * bytes_per_pixel] >= 128;
            double bound[4];
            for (int k = 0; k < 4; ++k) {
                bound[k] =
                    square.half_side - e.nx[k] * (x - square.centre_x) - e.ny[k] * (y - square.centre_y);
            }
            const double lowest = std::min({bound[0], bound[1], bound[2], bound[3]});
            // The bounds start within sqrt(2) of 0: a lit pixel 1.5 inside every edge lowers none, and
            // an unlit one 1.5 outside an edge raises none (it is outside that edge for the others).
            if (lit ? lowest >= 1.5 : lowest < -1.5) continue;
            for (int k = 0; k < 4; ++k) {
                if (lit) {
                    if (bound[k] < high[k]) {
                        high[k] = bound[k];
                        bounded_high[k] = true;
                    }
                    continue;
                }
                bool inside_others = true;
                for (int j = 0; j < 4 && inside_others; ++j) {
                    inside_others = j == k || bound[j] - reach(e.nx[j], e.ny[j]) > margin;
                }
                if (inside_others && bound[k] > low[k]) {
                    low[k] = bound[k];
                    bounded_low[k] = true;
                }
            }
        }
    }
    double middle[4];
    for (int k = 0; k < 4; ++k) {
        // Bounds that cross by more than the rasteriser's rounding describe another shape.
        if (!bounded_low[k] || !bounded_high[k] || low[k] > high[k] + 1.0 / 64.0) return {false, {0, 0}};
        middle[k] = (low[k] + high[k]) / 2.0;
    }
    // Opposite edges share a normal but for its sign: each pair gives the point's distance along it.
    const double along0 = (middle[0] - middle[2]) / 2.0;
    const double along1 = (middle[1] - middle[3]) / 2.0;
    return {true, {along0 * e.nx[0] + along1 * e.nx[1], along0 * e.ny[0] + along1 * e.ny[1]}};
}

void start_samples(SampleAccumulator* samples, int width, int height, const PlacedSquare& square) {
    samples->width = width;
    samples->height = height;
    samples->square = square;
    samples->right_box = box_around(square, width, height);
    // The left square lies as far left of the middle as the right one lies right of it.
    PlacedSquare left = square;
    left.centre_x = width - square.centre_x;
    samples->left_box = box_around(left, width, height);
    samples->count = 0;
    samples->left_count = 0;
    samples->empty = 0;
    const std::size_t pixels = static_cast<std::size_t>(samples->right_box.width) *
                               static_cast<std::size_t>(samples->right_box.height);
    samples->sum.assign(pixels, 0);
    samples->linear_sum.assign(pixels, 0.0f);
}

void add_sample(SampleAccumulator* samples, const Image& right) {
    if (samples->count >= max_samples) return;
    const int i = samples->count++;
    const std::size_t count = samples->sum.size();
    bool lit = false;
    for (std::size_t n = 0; n < count && !lit; ++n) lit = right.pixels[n * bytes_per_pixel] != 0;
    samples->is_empty[i] = !lit;
    samples->seen[i] = {false, {0, 0}};
    if (!lit) {
        ++samples->empty;
        return;
    }
    const DecodeTable& table = linear();
    std::uint64_t hash = fnv_basis;
    for (std::size_t n = 0; n < count; ++n) {
        const std::uint8_t* p = right.pixels + n * bytes_per_pixel;
        hash = fnv1a(hash, p);
        samples->sum[n] = static_cast<std::uint16_t>(samples->sum[n] + p[0]);
        samples->linear_sum[n] += table.value[p[0]];
    }
    samples->signature[i] = hash;
    PlacedSquare in_box = samples->square;
    in_box.centre_x -= samples->right_box.x;
    in_box.centre_y -= samples->right_box.y;
    samples->seen[i] = fit_sample_position(right, in_box);
}

void add_left_sample(SampleAccumulator* samples, const Image& left) {
    if (samples->left_count >= max_samples) return;
    samples->left_signature[samples->left_count++] = signature_of(left);
}

bool ResolveComparison::is_mean() const {
    return off <= few_pixels_off;
}

ResolveComparison compare_resolve(const SampleAccumulator& samples, const Image& resolve, int red_bits) {
    const int bits = read_bits(red_bits);
    const double allowed = bits < 8 ? 255.0 / ((1 << bits) - 1) : 1.0;
    ResolveComparison plain{false, 0, 0.0};
    ResolveComparison gamma{true, 0, 0.0};
    if (samples.count == samples.empty) return plain;
    const double n = samples.count - samples.empty;
    const Box& box = samples.right_box;
    for (std::size_t i = 0; i < samples.sum.size(); ++i) {
        const std::size_t x = static_cast<std::size_t>(box.x) + i % static_cast<std::size_t>(box.width);
        const std::size_t y = static_cast<std::size_t>(box.y) + i / static_cast<std::size_t>(box.width);
        const double stored =
            resolve.pixels[(y * static_cast<std::size_t>(resolve.width) + x) * bytes_per_pixel];
        // Rounding or truncating to a stored value leaves at most one value's difference.
        const double by_value = std::fabs(stored - samples.sum[i] / n);
        const double by_light = std::fabs(stored - 255.0 * encode(samples.linear_sum[i] / n));
        plain.largest = std::max(plain.largest, by_value);
        gamma.largest = std::max(gamma.largest, by_light);
        plain.off += by_value > allowed;
        gamma.off += by_light > allowed;
    }
    return gamma.off < plain.off ? gamma : plain;
}

int distinct_samples(const SampleAccumulator& samples) {
    return distinct_signatures(samples, samples.signature, samples.count);
}

int distinct_left_squares(const SampleAccumulator& samples) {
    return distinct_signatures(samples, samples.left_signature, std::min(samples.count, samples.left_count));
}

}  // namespace jaggo::picture
