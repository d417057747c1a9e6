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

}  // namespace jaggo::picture
