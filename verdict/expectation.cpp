// jaggo verdict: an agreeing result held to the samples expected of it.
#include "verdict/expectation.h"

#include <cstdio>

namespace jaggo::verdict {

Expectation hold_to_expectation(std::int32_t at_least, std::int32_t in_effect, Status* status) {
    Expectation e;
    e.at_least = at_least;
    if (at_least <= 0 || *status != agrees) return e;
    e.in_effect = in_effect;
    e.met = in_effect >= at_least;
    if (!*e.met) *status = unmet_expectation;
    return e;
}

void expectation_line(const Expectation& e, char* out, std::size_t size) {
    if (size == 0) return;
    out[0] = '\0';
    if (!e.met) return;
    const char* noun = e.at_least == 1 ? "sample" : "samples";
    const char* verb = e.in_effect == 1 ? "takes" : "take";
    if (*e.met) {
        std::snprintf(out, size, "Expected: at least %d %s: %d %s effect", e.at_least, noun, e.in_effect,
                      verb);
    } else {
        std::snprintf(out, size, "Expected: at least %d %s, but %d %s effect", e.at_least, noun, e.in_effect,
                      verb);
    }
}

}  // namespace jaggo::verdict
