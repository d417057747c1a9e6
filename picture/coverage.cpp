// jaggo picture: the grey levels that recur along a square's edges, and the sample count they fit.
#include "picture/coverage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace jaggo::picture {

namespace {

// Rounding in the resolve and in the read-back, in steps of the stored values: two of 255 levels
// at 8 bits; one step where a channel stores fewer bits, as its step is wider than that rounding.
int tolerance(int bits) {
    return bits == 8 ? 2 : 1;
}

// A level recurs when at least this share of the square's grey pixels, and at least min_recur of
// them, hold it. With N samples each level holds about 1/(N - 1) of them: 3 % and more up to 32
// samples. A few stray pixels stay below it; more grey pixels off the recurring levels than
// stray_share of them, or max_strays, mean levels spread as a filtered or scaled picture spreads
// them, which fit no count.
constexpr double recur_share = 1.0 / 64.0;
constexpr std::uint32_t min_recur = 8;
constexpr double stray_share = 1.0 / 50.0;
constexpr std::uint32_t max_strays = 32;

// The most a channel of that many bits stores: white.
int largest(int bits) {
    return (1 << bits) - 1;
}

// The 8-bit level that stands for a value stored with that many bits: scaled to 255 and rounded.
int widened(int value, int bits) {
    const int top = largest(bits);
    return (2 * 255 * value + top) / (2 * top);
}

// The stored value that an 8-bit level widened from.
int narrowed(int level, int bits) {
    return (2 * largest(bits) * level + 255) / (2 * 255);
}

// Whether two channels' stored values are one share of white as a resolve rounds it into each: within
// the sum of their half steps, strictly, so that channels of the same bits hold the same value.
bool same_share(int a, int a_bits, int b, int b_bits) {
    const int a_top = largest(a_bits);
    const int b_top = largest(b_bits);
    return std::abs(2 * b_top * a - 2 * a_top * b) < a_top + b_top;
}

// The fewest bits a channel stores: a grey pixel's level is read at them.
int level_bits(const Precision& precision) {
    const int red = read_bits(precision.red);
    const int green = read_bits(precision.green);
    const int blue = read_bits(precision.blue);
    const int fewer = red < green ? red : green;
    return fewer < blue ? fewer : blue;
}

double srgb(double linear) {
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

// Whether the levels are distinct coverages of that sample count, and enough of them (three in
// four) that the count is not a guess from a few. Levels and coverages are compared as values
// stored with that many bits.
bool fits(const Reading& r, int samples, bool gamma, int bits) {
    if (4 * r.level_count < 3 * (samples - 1)) return false;
    std::uint8_t levels[max_samples];
    expected_levels(samples, gamma, levels, bits);
    int expected[max_samples];
    int spacing = largest(bits);
    int previous = 0;
    for (int k = 0; k < samples; ++k) {
        const int next = k < samples - 1 ? narrowed(levels[k], bits) : largest(bits);
        if (k < samples - 1) expected[k] = next;
        if (next - previous < spacing) spacing = next - previous;
        previous = next;
    }
    // Levels closer than twice the tolerance could be taken for one another: narrow it.
    int allowed = spacing >= 1 ? (spacing - 1) / 2 : -1;
    if (allowed > tolerance(bits)) allowed = tolerance(bits);
    bool matched[max_samples] = {};
    for (int i = 0; i < r.level_count; ++i) {
        int nearest = -1;
        const int level = narrowed(r.levels[i], bits);
        for (int k = 0; k < samples - 1; ++k) {
            if (std::abs(level - expected[k]) <= allowed) {
                nearest = k;
                break;
            }
        }
        if (nearest < 0 || matched[nearest]) return false;
        matched[nearest] = true;
    }
    return true;
}

}  // namespace

void grey_levels(const Image& image, int x0, int x1, Histogram* levels, const Precision& precision) {
    for (std::uint32_t& n : levels->count) n = 0;
    const int bits[3] = {read_bits(precision.red), read_bits(precision.green), read_bits(precision.blue)};
    const int fewest = level_bits(precision);
    const int by = bits[0] == fewest ? 0 : (bits[1] == fewest ? 1 : 2);  // the channel that gives the level
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.pixels + static_cast<long>(y) * image.width * bytes_per_pixel;
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = row + x * bytes_per_pixel;
            if (fewest == 8) {
                // At 8 bits a channel a share is the same where the values are, and the level is the value.
                if (p[0] == p[1] && p[1] == p[2]) ++levels->count[p[0]];
                continue;
            }
            const int v[3] = {stored_value(p[0], bits[0]), stored_value(p[1], bits[1]),
                              stored_value(p[2], bits[2])};
            if (same_share(v[0], bits[0], v[1], bits[1]) && same_share(v[1], bits[1], v[2], bits[2]) &&
                same_share(v[0], bits[0], v[2], bits[2])) {
                ++levels->count[widened(v[by], fewest)];
            }
        }
    }
    levels->count[0] = 0;
    levels->count[255] = 0;
}

void expected_levels(int samples, bool gamma, std::uint8_t* out, int bits) {
    bits = read_bits(bits);
    for (int k = 1; k < samples; ++k) {
        const double share = static_cast<double>(k) / samples;
        // An exact half (255 / 2) lies as near one neighbour as the other, and the tolerance takes
        // either: the even one names it in the lines.
        const double stored = std::nearbyint(largest(bits) * (gamma ? srgb(share) : share));
        out[k - 1] = static_cast<std::uint8_t>(widened(static_cast<int>(stored), bits));
    }
}

Reading read_levels(const Histogram& levels, const Precision& precision) {
    Reading r{};
    for (int level = 1; level < 255; ++level) {
        r.neutral_greys += levels.count[level];
        if (levels.count[level] != 0) ++r.distinct_levels;
    }
    const double share = r.neutral_greys * recur_share;
    const double floor = share > min_recur ? share : min_recur;
    std::uint32_t on_levels = 0;
    for (int level = 1; level < 255; ++level) {
        if (levels.count[level] >= floor) {
            r.levels[r.level_count++] = static_cast<std::uint8_t>(level);
            on_levels += levels.count[level];
        }
    }
    const double strays_allowed =
        r.neutral_greys * stray_share > max_strays ? r.neutral_greys * stray_share : max_strays;
    r.spread = r.neutral_greys - on_levels > strays_allowed;
    if (r.spread) return r;  // samples 0: no count
    fit_count(&r, precision);
    return r;
}

void fit_count(Reading* r, const Precision& precision) {
    r->samples = 0;  // the levels fit no count
    r->gamma = false;
    if (r->level_count == 0) {
        r->samples = 1;
        return;
    }
    for (int samples = r->level_count + 1; samples <= max_samples; ++samples) {
        for (int encoding = 0; encoding < 2; ++encoding) {
            const bool gamma = encoding == 1;
            if (fits(*r, samples, gamma, level_bits(precision))) {
                r->samples = samples;
                r->gamma = gamma;
                return;
            }
        }
    }
}

void describe(const Reading& r, char* out, std::size_t size) {
    if (size == 0) return;
    out[0] = '\0';
    if (r.spread) {
        std::snprintf(out, size, "%u grey pixels in %d levels, which fit no sample count",
                      static_cast<unsigned>(r.neutral_greys), r.distinct_levels);
        return;
    }
    char levels[254 * 4 + 1] = "";
    std::size_t used = 0;
    for (int i = 0; i < r.level_count; ++i) {
        used += static_cast<std::size_t>(
            std::snprintf(levels + used, sizeof levels - used, i == 0 ? "%d" : " %d", r.levels[i]));
    }
    if (r.samples == 0) {
        std::snprintf(out, size, "grey levels %s, which fit no sample count", levels);
    } else if (r.level_count == 0) {
        std::snprintf(out, size, "%d sample%s", r.samples, r.samples == 1 ? "" : "s");
    } else {
        std::snprintf(out, size, "%d samples (grey levels %s%s)", r.samples, levels,
                      r.gamma ? ", gamma-correct" : "");
    }
}

}  // namespace jaggo::picture
