// jaggo verdict: PNG through stb_image_write, whose implementation this file alone compiles. Its own
// file functions report no error, so it hands its bytes to our callback and the stream's error is
// read here.
#include "verdict/png.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace jaggo::verdict {

namespace {

void write_bytes(void* context, void* data, int size) {
    std::FILE* file = static_cast<std::FILE*>(context);
    if (size > 0) std::fwrite(data, 1, static_cast<std::size_t>(size), file);
}

}  // namespace

bool write_png(std::FILE* file, const std::uint8_t* rgb, int width, int height) {
    // The encoder makes the whole image in memory and calls write_bytes once; 0 when it could not.
    const int encoded = stbi_write_png_to_func(write_bytes, file, width, height, 3, rgb, width * 3);
    return encoded != 0 && std::ferror(file) == 0;
}

}  // namespace jaggo::verdict
