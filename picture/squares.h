// jaggo picture: the two lit squares in a picture of jaggo's framebuffer, where they lie and how
// many of their pixels are grey: lit but not white, edge pixels that multisampling covered partly.
#pragma once

#include "picture/image.h"

namespace jaggo::picture {

// Where the scene puts its squares, in the units of its projection, which spans the framebuffer's
// height from -1 to 1: the squares' half side, and how far each centre lies from the middle. The
// caller hands over the scene's own numbers.
struct Geometry {
    double square_half_side;
    double square_offset;
};

// The lit pixels (any colour channel above 0) of one half of the picture that make its square:
// those in the run of consecutive columns with lit pixels that holds the most of them, and within
// those columns the like run of rows. Stray pixels apart from the square (a cursor, a speck on the
// background) are left out; strays on it stay within its box.
struct Square {
    int left, right, top, bottom;  // their bounding box, inclusive; right < left when none is lit
    int intermediate;              // how many are lit but not white: no channel at the most it stores

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    double centre_x() const { return (left + right + 1) / 2.0; }
    double centre_y() const { return (top + bottom + 1) / 2.0; }
};

// Whether a pixel (bytes_per_pixel bytes) of a framebuffer of that precision is one that a
// Square's intermediate counts within its box: lit but not white, no channel at the most it stores.
bool intermediate(const std::uint8_t* pixel, const Precision& precision = {});

// The left half of the picture holds the square drawn without multisampling, the right half
// the one drawn with it.
struct Squares {
    Square left, right;
};

// White is each channel at the most its bits store: 255, or 248 for 5 bits shifted up to 8.
Squares find_squares(const Image& image, const Precision& precision = {});

// How far a square of the scene stands turned from axis-aligned, in degrees from 0 to 45, read
// from its bounding box in a framebuffer of that height: the box of a square of side s turned
// by a is s * (cos a + sin a) wide. Negative where the box cannot be such a square's.
double turned_degrees(const Square& square, int height, const Geometry& geometry);

// Turned this far, every edge of a square crosses pixel rows or columns all along, so multisampling
// shows on all of it; nearly axis-aligned edges show few coverages or none.
constexpr double min_turned_degrees = 1.5;

// nullptr when the picture shows jaggo's two squares whole, as the scene draws them at the
// picture's size: centred where the scene puts them, each box as tall as wide and the two
// alike, turned by min_turned_degrees or more. Otherwise what is wrong, in words: a scaled, cut-off or
// otherwise altered picture shows other shapes, and its pixels say nothing about the samples.
const char* why_not_as_drawn(const Image& image, const Squares& squares, const Geometry& geometry);

}  // namespace jaggo::picture
