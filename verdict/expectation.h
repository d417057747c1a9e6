// jaggo verdict: -e N, the samples a run must show in effect: honesty is the verdict's question,
// success this one's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "verdict/status.h"

namespace jaggo::verdict {

struct Expectation {
    std::int32_t at_least = 0;   // N; 0 where no expectation was held against the result
    std::optional<bool> met;     // empty where the picture did not agree with the report
    std::int32_t in_effect = 0;  // the samples the right square shows, where met is set
};

// Holds a result of that status, whose right square shows in_effect samples (1 without
// multisampling), to at least at_least samples. Only agreement is held to it: an unmet expectation
// turns *status into unmet_expectation; any other status stands, and the outcome stays empty.
// at_least 0 holds nothing.
Expectation hold_to_expectation(std::int32_t at_least, std::int32_t in_effect, Status* status);

// "Expected: at least 8 samples, but 4 take effect", or "Expected: at least 4 samples: 4 take
// effect" when met, into out (cut to size); empty where the outcome is empty.
void expectation_line(const Expectation& expectation, char* out, std::size_t size);

}  // namespace jaggo::verdict
