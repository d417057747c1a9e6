// jaggo verdict: a picture encoded as PNG onto a file of the caller's.
#pragma once

#include <cstdint>
#include <cstdio>

namespace jaggo::verdict {

// Writes width x height pixels of 3 bytes (red, green, blue), rows top to bottom without gaps, as
// one PNG image onto file, which the caller opened for binary writing and closes. True when the
// whole image was encoded and every byte of it accepted by the stream (ferror is clear); what the
// stream has not yet flushed is for the caller's fclose to report.
bool write_png(std::FILE* file, const std::uint8_t* rgb, int width, int height);

}  // namespace jaggo::verdict
