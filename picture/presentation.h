// jaggo picture: the judged frame as the window shows it once presented, held against the frame as
// drawn. Smoothing that a driver adds at the swap is in the window's contents, not in the back buffer.
#pragma once

#include <cstddef>

#include "picture/judgement.h"

namespace jaggo::picture {

// What the window showed of the judged frame.
struct Presented {
    char not_readable[240];  // empty when the shown picture was read and judged; otherwise why not
    Judgement judged;        // the shown picture's squares and readings, when read
    bool differs;            // the shown squares' edges differ from the drawn ones
};

// A presented picture that could not be had, and why ("a Wayland surface cannot be read back ...").
Presented presented_not_readable(const char* why);

// Judges the shown picture (rows top to bottom, as the window's contents run) against the drawn one
// (rows bottom to top, as glReadPixels gives them), whose judgement is judged. Not readable, and
// never a contradiction, when the drawn picture was not the scene whole, or the shown one is of
// another size, all black, not the scene as drawn, not the frame drawn (its squares elsewhere: an
// earlier frame), or covered by something else: a pixel that differs from the drawn one outside
// either square's box, or one that no smoothing of the edges reaches (a notification, a tooltip).
// Otherwise its readings, and whether either square's differs from the drawn one. The shown
// squares' readings take in the other frames' levels as the drawn ones did (others, where given);
// whether they differ is told from the two pictures' own.
Presented judge_presented(const Image& shown, const Image& drawn, const Judgement& judged,
                          const Geometry& geometry, int claimed, const OtherFrames* others = nullptr);

// The drawn picture's conclusion with the presentation taken into account: shown edges that differ
// from the drawn ones make it a contradiction that names the presentation. Otherwise it stands.
Conclusion with_presentation(const Conclusion& drawn, const Presented& presented);

// "Presented: left square ..., right square ..." as the Coverage: line says them, or
// "Presented: not readable here: why", into out (cut to size).
void presented_line(const Presented& presented, char* out, std::size_t size);

}  // namespace jaggo::picture
