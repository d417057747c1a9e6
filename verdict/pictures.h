// jaggo verdict: the pictures a verdict stands on, written as PNG files into -p's folder for a bug
// report: each judged object's picture as read back, its squares' top corners magnified with the
// pixels the analysis counted as intermediate outlined, and a window's picture as it showed it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "picture/image.h"
#include "verdict/judge_window.h"
#include "verdict/offscreen.h"
#include "verdict/read_back.h"

namespace jaggo::verdict {

// -p's folder, made at the first write where it is missing, and what went into it over the run.
struct PictureFolder {
    std::string path;                                // as the user gave it
    enum { unmade, made, unusable } state = unmade;  // made or found at the first write
    std::vector<std::string> written;                // every file written, by its path, in the order written
    std::string error;                               // why the first failure was; empty if none
};

// The magnified corners: a crop of this many pixels square at each square's top corner, each
// pixel drawn as zoom x zoom, framed by a grey border; the cropped corners side by side, and below
// them the same two with every intermediate pixel outlined in red, which the scene never draws.
constexpr int corner_crop = 48;
constexpr int corner_zoom = 6;
constexpr int corner_border = 2;

// The samples picture: one pixel's square, samples_square_side pixels a side, within a black
// margin; each sample's reported position a ring, where it was seen a dot.
constexpr int samples_square_side = 240;
constexpr int samples_square_margin = 16;
constexpr int samples_picture_side = samples_square_side + 2 * samples_square_margin;
constexpr double samples_ring_radius = 7.0;
constexpr double samples_ring_width = 2.0;
constexpr double samples_dot_radius = 4.0;

// Writes the pictures of a judged window whose pixels (its judged picture, and after it what the
// window showed) are still in pixels: window-<asked>.png, -edges.png, where its samples were read
// one by one -samples.png and, where the shown picture was read, -shown.png. Its files go into
// result->pictures; where one could not be written, the folder keeps the first reason, and the
// result's status becomes failed unless graver.
void write_window_pictures(const Pixels& pixels, PictureFolder* folder, WindowResult* result);

// The same for an offscreen object's picture as read back (image), before the buffer is reused:
// <kind>-<asked>.png, -edges.png and, where its samples were read one by one, -samples.png.
void write_object_pictures(const picture::Image& image, PictureFolder* folder, OffscreenResult* result);

// At the run's end, where -p was given: "Error: cannot write pictures into DIR: why" on standard
// error where a file failed, then with lines, "Pictures: " and the paths written as the last line.
void report_pictures(const PictureFolder& folder, bool lines);

}  // namespace jaggo::verdict
