// jaggo picture: the samples that take effect, read from the grey levels of a square's edge pixels.
//
// A white square on black, resolved from N samples a pixel, gives each edge pixel the share k/N of
// white that its k covered samples make: N - 1 levels of grey (with 4 samples 64, 128 and 191). A
// turned square's long edges cross every coverage, so every level recurs along them; a square drawn
// without multisampling has no grey at all. A gamma-correct resolve averages in linear light and
// stores the sRGB encoding of k/N instead: other levels, the same count. A framebuffer of fewer bits
// a channel stores each share rounded to its own steps (5 bits: 8, 16 and 23 of 31, which stand for
// 66, 132 and 189 of 255), and its picture is read at them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "picture/image.h"

namespace jaggo::picture {

// More samples than any driver offers; beyond it the levels would lie closer than the tolerance.
constexpr int max_samples = 64;

// How often each neutral grey level (red, green and blue alike, neither 0 nor 255) occurs. A
// framebuffer with fewer bits than 8 a channel stores fewer levels: each is counted at the 8-bit
// level that stands for it, its stored value scaled to 255 and rounded.
struct Histogram {
    std::uint32_t count[256];
};

// The grey levels of the pixels in columns x0 to x1 - 1, read at the framebuffer's precision. Where
// the channels store the same bits, a grey pixel's values are equal; where they differ (5/6/5), a
// grey pixel's shares of white lie within the sum of the channels' half steps, as a resolve rounds
// one share into each, and its level is that of the channel with the fewest bits.
void grey_levels(const Image& image, int x0, int x1, Histogram* levels, const Precision& precision = {});

// What a square's edge pixels show.
struct Reading {
    int samples;  // 1 for no grey at all; 0 when the levels fit no sample count
    bool gamma;   // the levels are those of a gamma-correct (sRGB) resolve
    bool spread;  // more grey pixels lie off the recurring levels than strays make: fits no count
    int level_count;
    std::uint8_t levels[254];     // the recurring levels, ascending (strays left out)
    std::uint32_t neutral_greys;  // all neutral grey pixels (red, green and blue alike)
    int distinct_levels;          // how many levels they hold, strays included
};

// The levels read as grey_levels counted them, at the same precision.
Reading read_levels(const Histogram& levels, const Precision& precision = {});

// Sets samples and gamma from the recurring levels (levels and level_count) alone: the count
// they fit, 1 for none, 0 when they fit no count. read_levels ends with it.
void fit_count(Reading* reading, const Precision& precision = {});

// The grey levels that k/N coverage gives, k = 1 .. N - 1, as a linear or a gamma-correct
// resolve stores them with that many bits (1 to 8), at the 8-bit levels that stand for them; out
// has room for N - 1 of them.
void expected_levels(int samples, bool gamma, std::uint8_t* out, int bits = 8);

// "1 sample", "4 samples (grey levels 64 128 191)", or what fits no count, into out (cut to size).
void describe(const Reading& reading, char* out, std::size_t size);

}  // namespace jaggo::picture
