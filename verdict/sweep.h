// jaggo verdict: every sample count judged, one window after another: the fixed counts below, and
// every other count the platform's configurations offer where it can list them.
#pragma once

#include "verdict/offscreen.h"
#include "verdict/options.h"
#include "verdict/pictures.h"

namespace jaggo::verdict {

// The counts judged whatever the platform offers.
constexpr int fixed_counts[] = {0, 2, 4, 8, 16};

// Opens, judges and closes a window for each count, then prints the platform, the driver and the
// table of what was asked, the configuration granted, GL_SAMPLES, the samples the right square
// shows as drawn ("seen") and as the window shows it ("shown"; "unread" where it could not be
// read), and the verdict; with settings.json, one JSON object a window instead, as each is judged.
// The counts asked for settings.expected samples or more are held to it; where none is, the run is
// held to it through its last window, against the most samples any window shows, and the table is
// followed by the Expected: line. Every window carries settings.expected. With offscreen, the
// offscreen objects are judged into it in the first window's context (left as it was where that
// window could not be opened), for the caller to print after the table. With pictures (-p), each
// window's pictures, and its offscreen objects', are written there as soon as it is judged. GLFW must be
// initialised.
// Returns the run's status: the gravest of its windows' (verdict/status.h).
Status sweep(const Settings& settings, OffscreenRun* offscreen = nullptr, PictureFolder* pictures = nullptr);

}  // namespace jaggo::verdict
