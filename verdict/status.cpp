// jaggo verdict: the statuses' order of gravity.
#include "verdict/status.h"

namespace jaggo::verdict {

Status status_of(picture::Outcome outcome) {
    switch (outcome) {
    case picture::Outcome::agrees:
        return agrees;
    case picture::Outcome::contradiction:
        return contradiction;
    case picture::Outcome::unjudged:
        break;
    }
    return unjudged;
}

Status graver(Status a, Status b) {
    // Gravest first; a usage error ends the run before anything is judged.
    constexpr Status order[] = {contradiction, failed, unjudged, unmet_expectation, usage_error, agrees};
    for (const Status s : order) {
        if (a == s || b == s) return s;
    }
    return agrees;
}

}  // namespace jaggo::verdict
