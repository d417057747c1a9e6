// jaggo verdict: every sample count judged, one window after another: 0, 2, 4, 8 and 16, and
// every other count the platform's configurations offer where it can list them.
#pragma once

namespace jaggo::verdict {

// The counts judged whatever the platform offers.
constexpr int fixed_counts[] = {0, 2, 4, 8, 16};

// Opens, judges and closes a window for each count, then prints the table of what was asked, the
// configuration granted, GL_SAMPLES, the samples the right square shows as drawn ("seen") and as
// the window shows it ("shown"; "unread" where it could not be read), and the verdict; with
// json, one JSON object a window instead, as each is judged. GLFW must be initialised. Returns the
// run's status: the gravest of its windows' (verdict/status.h).
int sweep(bool json);

}  // namespace jaggo::verdict
