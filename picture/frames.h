// jaggo picture: the grey levels of frames drawn at other angles, read with the judged frame's.
//
// How many edge pixels each level holds depends on where the driver puts its samples. Where two
// samples line up along a square's edges, as some pair does at a few angles in every pattern, the
// level between them holds few pixels or none, and a frame at that angle shows fewer levels than
// there are samples: the standard 4-sample pattern turned 26.6 degrees shows 128 alone, as 2
// samples do. A pattern's samples line up at a few angles only, so frames turned a few degrees
// apart never all lose the same level: the levels that recur in any of them are the samples'.
#pragma once

#include "picture/coverage.h"
#include "picture/image.h"
#include "picture/squares.h"

namespace jaggo::picture {

// How much further than the judged frame the other frames are turned, in degrees: less, so that a
// judged frame anywhere up to 40 degrees keeps them off 45, where every edge pixel is crossed alike
// and the box of the square reads as no turned square's. Far enough apart that no standard pattern
// of 2, 4, 8 or 16 samples, mirrored or not and turned any way, loses a level in all three frames.
constexpr double other_frame_turns[] = {-12.0, -6.0};
constexpr int other_frame_count = static_cast<int>(sizeof other_frame_turns / sizeof other_frame_turns[0]);

// The readings of the other frames, gathered one frame at a time so that no picture is kept.
struct OtherFrames {
    int count;
    Reading left[other_frame_count], right[other_frame_count];
    const char* why_not_as_drawn;  // the first one's that did not show the scene whole, or nullptr
};

// Reads the next frame, drawn turned by other_frame_turns[frames->count] more than the judged one.
void add_other_frame(const Image& image, const Geometry& geometry, OtherFrames* frames,
                     const Precision& precision = {});

// A square's reading in the judged frame and in count others, together: the levels that recur in
// any of them, the count those fit, and the judged frame's own pixel counts. A frame whose levels
// spreads its grey pixels beyond strays makes the whole spread. *disagree is set where the frames show
// different counts that no one count explains: each frame's levels fit a count of their own but together they
// fit none, or one frame shows no grey at all while the levels of the others fit 2 or more.
Reading read_together(const Reading& judged, const Reading* others, int count, bool* disagree,
                      const Precision& precision = {});

}  // namespace jaggo::picture
