// jaggo verdict: one window judged: opened as jaggo opens it, a frame drawn at an angle of the
// program's choosing, read back from the window's own framebuffer and held against what its
// context reports.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/scene_layout.h"
#include "picture/judgement.h"
#include "picture/presentation.h"
#include "picture/sample_findings.h"
#include "platform/configuration.h"
#include "platform/offered_samples.h"
#include "verdict/expectation.h"
#include "verdict/read_back.h"
#include "verdict/status.h"

struct GLFWwindow;

namespace jaggo::verdict {

// The angle of the judged frame: far enough from axis-aligned that every edge crosses pixels all
// along, and far from 45 degrees, where each edge pixel would be crossed alike and show few levels.
constexpr double judged_degrees = 30.0;

// Where the scene puts its squares, for the analysis to find them.
constexpr picture::Geometry scene_geometry{scene::square_half_side, scene::square_offset};

// At most this many frames are drawn until one can be judged (about a second at 60 Hz).
constexpr int max_judged_frames = 60;

// What a window showed and what its context said: the one record that the lines, the sweep's row
// and the JSON object print.
struct WindowResult {
    std::int32_t asked = 0;                // the samples requested
    bool opened = false;                   // the window, its context and the scene were made
    PlatformNames platform{};              // where GLFW runs; its version string even without a window
    std::int32_t configuration = 0;        // the chosen pixel format's number
    ConfigurationAttributes attributes{};  // that configuration's, as the platform reads them
    std::int32_t claimed = 0;              // GL_SAMPLES
    std::optional<std::string> vendor, renderer, version, glsl;  // empty where the driver gave none
    std::optional<std::vector<std::string>> extensions;          // with -x
    std::optional<OfferedSamples> offered;                       // with -a: what the platform offers
    bool pictured = false;           // a picture was read back and analysed: judged holds its readings
    picture::Judgement judged{};     // its conclusion is set in any case, the presentation taken into account
    picture::Presented presented{};  // what the window showed of the judged frame, where pictured
    Expectation expectation{};       // -e's, where asked
    Status status = failed;          // the conclusion's status; failed when the window could not be opened
    std::string error;               // why it could not be opened, in the error's own words
    // The judged frame's samples read one by one, where pictured, or why not.
    picture::SampleFindings samples{};
    int width = 0, height = 0;  // the judged picture's, whose pixels lead the caller's buffer
    bool shown_read = false;    // what the window showed was read, after them in that buffer
    std::optional<std::vector<std::string>> pictures;  // with -p: the files written of it
};

// Opens a window asking for that many samples as jaggo does, builds the scene and judges the window
// into *result, reading its pictures into pixels. With report, the request line comes first and
// the context report once the context is ready, as jaggo prints them. The extensions are kept when
// -x asked for them. Returns the window, with its
// context current, for the caller to go on with and destroy; or nullptr, with *result that of a
// window that could not run (the reason on standard error), when the window, its context or its
// scene could not be made. GLFW must be initialised.
GLFWwindow* open_and_judge(std::int32_t asked, bool report, Pixels* pixels, WindowResult* result);

// Draws the scene turned by each of picture::other_frame_turns from judged_degrees into the bound
// framebuffer, of width x height pixels, reads each back into the second picture of pixels (the
// first, the judged frame's, is kept) and its levels into *others: from the window's back buffer
// (framebuffer 0) as read_back reads it, or from the framebuffer object of that name, bound again
// afterwards, at the framebuffer's precision. Then draws the judged frame again, so that the
// framebuffer holds it as before. Returns why a frame could not be read, or nullptr.
const char* read_other_frames(unsigned framebuffer, int width, int height, Pixels* pixels,
                              picture::OtherFrames* others, const picture::Precision& precision = {});

// The result of a window that could not be opened: status failed and the conclusion in words.
void could_not_open(WindowResult* result);

}  // namespace jaggo::verdict
