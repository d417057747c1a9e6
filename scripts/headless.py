#!/usr/bin/env python3
# jaggo: runs a jaggo binary on a private display, reads its window back once the squares have turned,
# holds that picture against jaggo's report (the lines Edges:, Coverage: and Verdict:), saves it and
# ends jaggo with Escape.
# Usage: scripts/headless.py JAGGO PNG [jaggo arguments...]
# Exits with jaggo's own status, or 3 when the picture contradicts the report. JAGGO_HEADLESS_TIMEOUT
# (seconds, default 30) bounds each wait: for the window, for the squares to turn, for jaggo to end
# on Escape. A slow machine may want more; nothing waits longer than needed.
#
# The display is a private Xvfb, or weston nested in it where the Xvfb offers no multisampling
# (jaggo_display/choose.py). It is software only, so jaggo gets Mesa's software driver straight away
# (LIBGL_ALWAYS_SOFTWARE) instead of probing for hardware and saying so on standard error.
# Any failure of this script is one line "headless: ..." on standard error and status 1.
import sys
import tempfile

from jaggo_display import private, watch


def main(argv):
    given = watch.command_line(argv, "scripts/headless.py", "headless")
    if given is None:
        return 1
    jaggo, png, args, bound = given
    with tempfile.TemporaryDirectory(prefix="jaggo-run-") as runtime:
        try:
            status, shot, claim = private.run(jaggo, args, runtime, bound)
            judged = watch.report(shot, claim, png) if shot is not None else 0
            return status or judged
        except Exception as e:  # whatever went wrong, one line: a traceback is no answer
            print("headless: %s" % (str(e) or type(e).__name__), file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
