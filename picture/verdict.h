// jaggo picture: the picture held against the report. The report says what the context claims
// (GL_SAMPLES); the squares show what the driver does. They agree, or they contradict each other,
// or the picture could not be judged, which is never taken for agreement.
#pragma once

#include "picture/coverage.h"
#include "picture/image.h"
#include "picture/squares.h"

namespace jaggo::picture {

// The exit statuses the verdict asks for; the program's own failures (1) take precedence.
constexpr int agrees_status = 0;
constexpr int contradiction_status = 3;
constexpr int unjudged_status = 4;

struct Verdict {
    int status;      // agrees_status, contradiction_status or unjudged_status
    char line[640];  // "Verdict: ...", without a newline
};

// claimed is GL_SAMPLES; left and right are the squares' readings.
Verdict judge(int claimed, const Reading& left, const Reading& right);

// The verdict of a picture that could not be had or read, and why.
Verdict unmade(const char* why);

// A whole picture of jaggo's framebuffer judged against the claim: the squares, their readings and
// the verdict, whose line comes after the "Edges:" and "Coverage:" lines below.
struct Judgement {
    Squares squares;
    Reading left, right;
    const char* not_drawn;  // as_drawn's answer: nullptr when the picture shows the scene whole
    Verdict verdict;
};

Judgement judge_picture(const Image& image, int claimed);

// "Edges: left square N intermediate pixels, right square M" and
// "Coverage: left square ..., right square ...", into out (cut to size).
void edges_line(const Judgement& judged, char* out, std::size_t size);
void coverage_line(const Judgement& judged, char* out, std::size_t size);

}  // namespace jaggo::picture
