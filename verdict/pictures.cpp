// jaggo verdict: what each picture shows, and each written under a temporary name in the folder and
// moved to its own, so that no file of a final name is ever partly written.
#include "verdict/pictures.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/callbacks.h"
#include "picture/squares.h"
#include "platform/files.h"
#include "verdict/png.h"

namespace jaggo::verdict {

namespace {

constexpr std::uint8_t grey[3] = {128, 128, 128};
constexpr std::uint8_t red[3] = {255, 0, 0};
constexpr std::uint8_t white[3] = {255, 255, 255};

// A picture's pixel at column x and row y counted from the top, whichever way its rows run.
const std::uint8_t* pixel_at(const picture::Image& image, bool bottom_up, int x, int y) {
    const int row = bottom_up ? image.height - 1 - y : y;
    return image.pixels + (static_cast<std::size_t>(row) * static_cast<std::size_t>(image.width) +
                           static_cast<std::size_t>(x)) *
                              picture::bytes_per_pixel;
}

// The picture as 3 bytes a pixel, top row first.
std::vector<std::uint8_t> rgb_top_first(const picture::Image& image, bool bottom_up) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(image.width) *
                                  static_cast<std::size_t>(image.height) * 3);
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x, out += 3) std::copy_n(pixel_at(image, bottom_up, x, y), 3, out);
    }
    return rgb;
}

// Where the crop of a square's top corner starts, counted from the picture's top-left: its topmost
// row of lit pixels a few rows below the crop's top, the middle of them at its centre, the crop
// kept within the picture. A picture without the square gives the top of its half's middle.
void corner_crop_origin(const picture::Image& image, const picture::Square& square, int half, int* x0,
                        int* y0) {
    int centre = half * image.width / 2 + image.width / 4;
    int top = 0;
    if (square.width() > 0) {
        top = image.height - 1 - square.bottom;  // the box's rows run bottom to top, as read back
        int first = square.right;
        int last = square.left;
        for (int x = square.left; x <= square.right; ++x) {
            const std::uint8_t* p = pixel_at(image, true, x, top);
            if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
        if (first <= last) centre = (first + last) / 2;
    }
    constexpr int above = 8;
    *x0 = std::clamp(centre - corner_crop / 2, 0, std::max(0, image.width - corner_crop));
    *y0 = std::clamp(top - above, 0, std::max(0, image.height - corner_crop));
}

void fill(std::vector<std::uint8_t>* rgb, int width, int x, int y, int w, int h, const std::uint8_t* colour) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            std::copy_n(colour, 3,
                        rgb->data() + (static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                       static_cast<std::size_t>(col)) *
                                          3);
        }
    }
}

// One tile of the edges picture at (left, top): the crop magnified in its border, the pixels the
// analysis counted as intermediate (within the square's box) outlined where outline is set.
void draw_tile(const picture::Image& image, const picture::Square& square,
               const picture::Precision& precision, int x0, int y0, bool outline, int left, int top,
               std::vector<std::uint8_t>* rgb, int width) {
    constexpr int side = corner_crop * corner_zoom + 2 * corner_border;
    constexpr std::uint8_t black[3] = {0, 0, 0};
    fill(rgb, width, left, top, side, side, grey);
    for (int cy = 0; cy < corner_crop; ++cy) {
        for (int cx = 0; cx < corner_crop; ++cx) {
            const int x = x0 + cx;
            const int y = y0 + cy;
            const bool inside = x < image.width && y < image.height;
            const std::uint8_t* p = inside ? pixel_at(image, true, x, y) : black;
            const int row = image.height - 1 - y;  // the square's box counts rows bottom to top
            const bool counted = inside && x >= square.left && x <= square.right && row >= square.top &&
                                 row <= square.bottom && picture::intermediate(p, precision);
            const int px = left + corner_border + cx * corner_zoom;
            const int py = top + corner_border + cy * corner_zoom;
            fill(rgb, width, px, py, corner_zoom, corner_zoom, counted && outline ? red : p);
            if (counted && outline) fill(rgb, width, px + 1, py + 1, corner_zoom - 2, corner_zoom - 2, p);
        }
    }
}

// Writes the picture under a temporary name of this run's in the folder, then moves it to name: the
// folder keeps the path, or on failure the first reason. True when written.
bool write_file(PictureFolder* folder, const char* name, const std::vector<std::uint8_t>& rgb, int width,
                int height, std::vector<std::string>* files) {
    char why[300] = "";
    if (folder->state == PictureFolder::unmade) {
        folder->state =
            make_folder(folder->path, why, sizeof why) ? PictureFolder::made : PictureFolder::unusable;
        if (folder->state == PictureFolder::unusable) folder->error = why;
    }
    if (folder->state == PictureFolder::unusable) return false;
    const std::string path = path_in_folder(folder->path, name);
    const std::string temporary = temporary_beside(path);
    bool written = false;
    if (std::FILE* file = open_for_writing(temporary, why, sizeof why)) {
        const bool encoded = write_png(file, rgb.data(), width, height);
        const int error = errno;
        const bool stream_failed = std::ferror(file) != 0;
        // fclose reports a write that failed as it flushed the rest: a full disk, for one.
        char closing[300] = "";
        const bool closed = close_written(file, closing, sizeof closing);
        if (!encoded) {
            std::snprintf(why, sizeof why, "%s",
                          stream_failed ? std::strerror(error) : "the PNG encoder ran out of memory");
        } else if (!closed) {
            std::snprintf(why, sizeof why, "%s", closing);
        }
        written = encoded && closed && replace_file(temporary, path, why, sizeof why);
        if (!written) remove_file(temporary);
    }
    if (written) {
        folder->written.push_back(path);
        files->push_back(path);
    } else if (folder->error.empty()) {
        folder->error = path + ": " + why;
    }
    return written;
}

// The edges picture of a read-back picture (rows bottom to top, as OpenGL reads them) with the
// squares and precision it was judged with: 3 bytes a pixel, top row first; *width and *height
// receive its size.
std::vector<std::uint8_t> edges_picture(const picture::Image& image, const picture::Judgement& judged,
                                        int* width, int* height) {
    constexpr int side = corner_crop * corner_zoom + 2 * corner_border;
    *width = 2 * side;
    *height = 2 * side;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height) * 3);
    const picture::Square* both[2] = {&judged.squares.left, &judged.squares.right};
    for (int half = 0; half < 2; ++half) {
        int x0 = 0;
        int y0 = 0;
        corner_crop_origin(image, *both[half], half, &x0, &y0);
        draw_tile(image, *both[half], judged.precision, x0, y0, false, half * side, 0, &rgb, *width);
        draw_tile(image, *both[half], judged.precision, x0, y0, true, half * side, side, &rgb, *width);
    }
    return rgb;
}

// Where a position within the pixel (0 to 1, y up) falls in the samples picture, top row first.
void samples_picture_point(const picture::SamplePosition& at, double* x, double* y) {
    *x = samples_square_margin + at.x * samples_square_side;
    *y = samples_square_margin + (1.0 - at.y) * samples_square_side;
}

// Every pixel of rgb within radius of (cx, cy), or only those within width of that circle where
// ring is set, painted.
void disc(std::vector<std::uint8_t>* rgb, int side, double cx, double cy, double radius, bool ring,
          const std::uint8_t* colour) {
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > radius || (ring && d < radius - samples_ring_width)) continue;
            fill(rgb, side, x, y, 1, 1, colour);
        }
    }
}

// The line from (x0, y0) to (x1, y1), a pixel wide.
void line(std::vector<std::uint8_t>* rgb, int side, double x0, double y0, double x1, double y1,
          const std::uint8_t* colour) {
    const int steps = static_cast<int>(std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0)))) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const int x = static_cast<int>(x0 + t * (x1 - x0));
        const int y = static_cast<int>(y0 + t * (y1 - y0));
        if (x >= 0 && y >= 0 && x < side && y < side) fill(rgb, side, x, y, 1, 1, colour);
    }
}

// One pixel's square drawn large on black, framed in grey: each sample's reported position a white
// ring, where it was seen a red dot, and a grey line between the two. No text.
std::vector<std::uint8_t> samples_picture(const picture::SampleFindings& samples) {
    constexpr int side = samples_picture_side;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(side) * side * 3);
    fill(&rgb, side, samples_square_margin - 1, samples_square_margin - 1, samples_square_side + 2, 1, grey);
    fill(&rgb, side, samples_square_margin - 1, samples_square_margin + samples_square_side,
         samples_square_side + 2, 1, grey);
    fill(&rgb, side, samples_square_margin - 1, samples_square_margin - 1, 1, samples_square_side + 2, grey);
    fill(&rgb, side, samples_square_margin + samples_square_side, samples_square_margin - 1, 1,
         samples_square_side + 2, grey);
    for (int i = 0; i < samples.read; ++i) {
        double rx = 0, ry = 0, sx = 0, sy = 0;
        samples_picture_point(samples.reported_at[i], &rx, &ry);
        samples_picture_point(samples.seen[i].position, &sx, &sy);
        const bool reported = samples.positions_reported;
        const bool seen = samples.seen[i].fitted;
        if (reported && seen) line(&rgb, side, rx, ry, sx, sy, grey);
        if (reported) disc(&rgb, side, rx, ry, samples_ring_radius, true, white);
        if (seen) disc(&rgb, side, sx, sy, samples_dot_radius, false, red);
    }
    return rgb;
}

// The samples picture of a result whose samples were read one by one; none otherwise.
bool write_samples_picture(PictureFolder* folder, const std::string& name,
                           const picture::SampleFindings& samples, std::vector<std::string>* files) {
    if (!samples.readable) return true;
    return write_file(folder, (name + "-samples.png").c_str(), samples_picture(samples), samples_picture_side,
                      samples_picture_side, files);
}

// The pictures of a frame judged: as drawn, its edges and, where they were read, its samples. True
// when all were written.
bool write_frame_pictures(PictureFolder* folder, const std::string& name, const picture::Image& image,
                          const picture::Judgement& judged, const picture::SampleFindings& samples,
                          std::vector<std::string>* files) {
    bool all = write_file(folder, (name + ".png").c_str(), rgb_top_first(image, true), image.width,
                          image.height, files);
    int width = 0;
    int height = 0;
    const std::vector<std::uint8_t> edges = edges_picture(image, judged, &width, &height);
    all = write_file(folder, (name + "-edges.png").c_str(), edges, width, height, files) && all;
    return write_samples_picture(folder, name, samples, files) && all;
}

}  // namespace

void write_window_pictures(const Pixels& pixels, PictureFolder* folder, WindowResult* result) {
    if (!result->pictures) result->pictures.emplace();
    if (!result->pictured || result->width <= 0 || result->height <= 0) return;
    const picture::Image drawn{pixels.data(), result->width, result->height};
    const std::string name = "window-" + std::to_string(result->asked);
    bool all = write_frame_pictures(folder, name, drawn, result->judged, result->samples, &*result->pictures);
    if (result->shown_read) {
        const picture::Image shown{pixels.data() + picture_bytes(drawn.width, drawn.height), drawn.width,
                                   drawn.height};
        all = write_file(folder, (name + "-shown.png").c_str(), rgb_top_first(shown, false), shown.width,
                         shown.height, &*result->pictures) &&
              all;
    }
    if (!all) result->status = graver(result->status, failed);
}

void write_object_pictures(const picture::Image& image, PictureFolder* folder, OffscreenResult* result) {
    if (!result->pictures) result->pictures.emplace();
    const std::string name = std::string(kind_name(result->kind)) + "-" + std::to_string(result->asked);
    if (!write_frame_pictures(folder, name, image, result->judged, result->samples, &*result->pictures))
        result->status = graver(result->status, failed);
}

void report_pictures(const PictureFolder& folder, bool lines) {
    if (!folder.error.empty()) {
        const std::string text = "cannot write pictures into " + folder.path + ": " + folder.error;
        report_error(text.c_str());
    }
    if (!lines) return;
    std::string line = "Pictures:";
    for (const std::string& path : folder.written) line += " " + path;
    if (folder.written.empty()) line += " none";
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace jaggo::verdict
