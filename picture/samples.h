// jaggo picture: a multisampled frame read one sample at a time. Each sample's picture is the scene
// as that one sample point of every pixel saw it: black and white, a pixel lit where its sample
// point lies inside a square. The pictures are fed in one after another and kept only as far as the
// findings need them: a running sum for their mean, a signature for telling them apart, and the
// position of the sample point, fitted from the right square's exactly known edges. Only the boxes
// around the squares are read: the rest of the frame is background at every sample point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "picture/coverage.h"
#include "picture/image.h"
#include "picture/squares.h"

namespace jaggo::picture {

// A sample point within its pixel, as OpenGL's GL_SAMPLE_POSITION gives it: 0 to 1 across and up.
struct SamplePosition {
    double x, y;
};

// A square of the scene in window coordinates (pixels, y up, from the framebuffer's lower left
// corner): its centre, half side and the angle it is turned by, counterclockwise.
struct PlacedSquare {
    double centre_x, centre_y, half_side, degrees;
};

// The right square of the scene, turned by degrees, in a framebuffer of width x height pixels.
PlacedSquare right_square(int width, int height, const Geometry& geometry, double degrees);

// A box of the frame, in pixels from its lower left corner.
struct Box {
    int x, y, width, height;
};

// The box a square's corners reach, two pixels wider each way, within a frame of width x height.
Box box_around(const PlacedSquare& square, int width, int height);

// Where a sample point lies, fitted from its picture of the square: for each edge, lit pixels
// along it bound the point's distance across the edge from one side and unlit ones from the other.
// fitted is false where the picture does not show that square (no edge pixels, or bounds that
// contradict each other).
struct FittedPosition {
    bool fitted;
    SamplePosition position;
};

// rows bottom to top, as glReadPixels gives them, the square placed in the picture's own pixels; a
// pixel is lit where its red is 128 or more.
FittedPosition fit_sample_position(const Image& sample, const PlacedSquare& square);

// What the pictures fed so far hold. The sums take half a box's pictures' size and a whole one's,
// whatever the count: the caller keeps one accumulator for its run, and a picture no larger than
// before grows nothing.
struct SampleAccumulator {
    int width = 0, height = 0;                  // the frame's
    PlacedSquare square{};                      // the right square, in the frame
    Box right_box{}, left_box{};                // where the pictures fed lie: the squares' boxes
    int count = 0;                              // pictures of the right box fed
    int left_count = 0;                         // and of the left box
    int empty = 0;                              // of them all black: no sample's (see add_sample)
    bool is_empty[max_samples];                 // per sample, its picture has nothing lit
    std::vector<std::uint16_t> sum;             // per pixel of the right box, the red values added up
    std::vector<float> linear_sum;              // per pixel, the same decoded from sRGB to linear light
    std::uint64_t signature[max_samples];       // per sample, of its right box
    std::uint64_t left_signature[max_samples];  // of its left box
    FittedPosition seen[max_samples];
};

// Starts over for the pictures of a frame of width x height pixels of the scene with that right
// square: its box and the left square's (right_box, left_box) are those to read.
void start_samples(SampleAccumulator* samples, int width, int height, const PlacedSquare& square);

// Adds one sample's picture of the right box; beyond max_samples pictures are ignored. A picture
// with nothing lit is no sample's: the scene lights the square at every sample point. Such is what
// reading a sample past the buffer's own count gives, where a buffer reports more samples than it
// stores; it is counted as empty and left out of everything else.
void add_sample(SampleAccumulator* samples, const Image& right);

// Adds the picture of the left box of the next sample, in the order add_sample had them.
void add_left_sample(SampleAccumulator* samples, const Image& left);

// How far a resolve lies from the samples' mean, in levels of 255: the plain mean of the stored
// values or the mean in linear light (sRGB decoded, averaged and encoded), whichever it follows.
// Beyond rounding is more than a level, or more than one stored value where the resolve's red
// channel stores fewer bits than 8 (a 16-bit framebuffer's 5).
struct ResolveComparison {
    bool linear;           // it follows the mean in linear light
    std::uint32_t off;     // pixels that differ from that mean beyond rounding
    double largest;        // the largest difference, in levels
    bool is_mean() const;  // at most a few pixels off
};

// More pixels than this off the mean are more than a driver's rounding or a stray.
constexpr std::uint32_t few_pixels_off = 8;

ResolveComparison compare_resolve(const SampleAccumulator& samples, const Image& resolve, int red_bits = 8);

// How many of the samples fed hold pictures of their own (an empty one none), and how many
// different pictures of the left square those not empty hold.
int distinct_samples(const SampleAccumulator& samples);
int distinct_left_squares(const SampleAccumulator& samples);

}  // namespace jaggo::picture
