// jaggo picture: the picture held against the report. The report says what the context claims
// (GL_SAMPLES); the squares show what the driver does. They agree, or they contradict each other,
// or the picture could not be judged, which is never taken for agreement.
#pragma once

#include <cstddef>

#include "picture/coverage.h"
#include "picture/frames.h"
#include "picture/image.h"
#include "picture/squares.h"

namespace jaggo::picture {

enum class Outcome { agrees, contradiction, unjudged };

// What the picture says of the report, in words for a person: "the picture agrees with the
// report: 4 samples", "CONTRADICTION: ...", "none could be made: ...", without a newline.
struct Conclusion {
    Outcome outcome;
    char text[640];
};

// claimed is GL_SAMPLES, or the samples another reporter (an offscreen object, named so in the
// words: "the renderbuffer") claims; left and right are the squares' readings. Smoothing the left
// square beyond strays (samples other than 1), or the right one under a claim of no multisampling,
// is a contradiction whatever its levels; a right square whose levels fit no count under a claim of
// N is left unjudged, in words of what was seen. forced, where given, says why the left square's
// smoothing is forced in the reporter's case ("glDisable(GL_MULTISAMPLE) was not honoured for the
// renderbuffer"); by default it is said as a window's is: the driver or its settings.
Conclusion judge(int claimed, const Reading& left, const Reading& right, const char* reporter = "the context",
                 const char* forced = nullptr);

// The conclusion when no picture could be had or read, and why.
Conclusion cannot_judge(const char* why);

// A whole picture of jaggo's framebuffer judged against the claim: the squares, their readings and
// the conclusion.
struct Judgement {
    Squares squares;
    Reading left, right;              // what the conclusion rests on: with the other frames', where given
    Reading frame_left, frame_right;  // the picture's own
    const char* why_not_as_drawn;     // nullptr when the picture, and each other frame, shows the scene whole
    Conclusion conclusion;
    Precision precision;  // the framebuffer's, at which the picture was read
};

// precision is the bits each channel of the framebuffer stores: 8 for objects of GL_RGBA8, what
// the context says of a window's. With others, the squares' levels are read together with those of
// the other frames (picture/frames.h); where those show different counts that no one count
// explains, no verdict is made unless the levels already make a contradiction.
Judgement judge_picture(const Image& image, const Geometry& geometry, int claimed,
                        const char* reporter = "the context", const Precision& precision = {},
                        const char* forced = nullptr, const OtherFrames* others = nullptr);

// "Edges: left square N intermediate pixels, right square M" and
// "Coverage: left square ..., right square ...", into out (cut to size).
void edges_line(const Judgement& judged, char* out, std::size_t size);
void coverage_line(const Judgement& judged, char* out, std::size_t size);

}  // namespace jaggo::picture
