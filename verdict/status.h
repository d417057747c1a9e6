// jaggo verdict: jaggo-verdict's exit statuses, and the one rule that gives a run of several judged
// objects (a sweep's windows) a single status.
#pragma once

#include "picture/judgement.h"

namespace jaggo::verdict {

enum Status : int {
    agrees = 0,             // the picture agrees with the report
    failed = 1,             // jaggo's own failure: no window, no context, no scene
    usage_error = 2,        // a bad option or a missing argument
    contradiction = 3,      // the picture contradicts the report
    unjudged = 4,           // no verdict could be made
    unmet_expectation = 5,  // agreement, but fewer samples take effect than -e asks for
};

// The status a picture's outcome asks for.
Status status_of(picture::Outcome outcome);

// The graver of two statuses, which the run ends with: a contradiction, then a failure, then no
// verdict, then an unmet expectation, then agreement.
Status graver(Status a, Status b);

}  // namespace jaggo::verdict
