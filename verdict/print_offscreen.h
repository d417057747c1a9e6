// jaggo verdict: the offscreen objects' results where a person reads them: a line and a table.
#pragma once

#include "verdict/offscreen.h"

namespace jaggo::verdict {

// The line naming each kind's limit and the counts it offers, then a row an object: kind, asked,
// granted, seen (the right square's samples) and verdict, and the Expected: line where a kind's
// limit falls short of -e's count; or the one line saying why nothing could be judged. Flushed.
void print_offscreen_lines(const OffscreenRun& run);

}  // namespace jaggo::verdict
