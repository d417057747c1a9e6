// jaggo picture: a picture of jaggo's framebuffer as the analysis reads it.
#pragma once

#include <cstdint>

namespace jaggo::picture {

// width x height pixels of 4 bytes (red, green, blue and a fourth that is ignored), row after
// row without gaps. The rows may run top to bottom or bottom to top (as glReadPixels gives
// them): the scene is symmetric about its middle row, and the grey levels do not tell them apart.
// Only a sample's position (picture/samples.h) does: its pictures run bottom to top.
struct Image {
    const std::uint8_t* pixels;
    int width;
    int height;
};

constexpr int bytes_per_pixel = 4;

// The bits each colour channel of the framebuffer stores. A 16-bit framebuffer stores 5, 6 and 5;
// read back at 8 bits a channel, its values are widened by shifting them up or by repeating their
// bits, and either way a channel's top bits are the value it stores. Bits outside 1 to 8 (none
// said, or more than the read-back keeps) read as 8.
struct Precision {
    int red = 8;
    int green = 8;
    int blue = 8;
};

// The bits of a channel as its values are read: 1 to 8.
inline int read_bits(int bits) {
    return bits >= 1 && bits <= 8 ? bits : 8;
}

// The value a channel with read_bits(bits) stores, from its 8-bit reading.
inline int stored_value(std::uint8_t reading, int bits) {
    return reading >> (8 - read_bits(bits));
}

}  // namespace jaggo::picture
