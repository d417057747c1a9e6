#!/usr/bin/env python3
# jaggo: runs jaggo once for each sample count of 0, 2, 4, 8 and 16 and every other count the display's
# configurations offer, each as scripts/run.sh would (on a private display, or on the user's X display,
# one window after another, each closed once read back as a window manager closes it), and prints one
# row a count: what was asked, the configuration granted, what GL_SAMPLES reports, the samples the
# picture shows, and the verdict.
# Usage: scripts/sweep.py JAGGO
# Exits 3 when any row's picture contradicts its report, 1 when a row could not be run, else 0.
import os
import sys
import tempfile

from jaggo_display import choose, own, private, verdict, watch, x11

COUNTS = (0, 2, 4, 8, 16)
HEADER = ("asked", "configuration", "GL_SAMPLES", "seen", "verdict")


def row(count, run):
    """One table row for a run of jaggo with -s count; run(args) gives (status, picture, claim, why)."""
    status, shot, claim, why = run(["-s", str(count)])
    config, claimed = (str(claim[0]), str(claim[1])) if claim else ("-", "-")
    seen, said, outcome = "-", None, 0
    if shot is not None:
        judged = watch.Judgement(shot, claim)
        seen = "?" if judged.right.samples is None else str(judged.right.samples)
        said, outcome = judged.verdict[len("Verdict: "):], judged.status
        if judged.verdict.startswith(verdict.AGREES):
            said = "agrees"
    if status:
        said, outcome = "jaggo ended with status %d%s" % (status, ": " + said if said else ""), 1
    elif said is None:
        said, outcome = "none could be made: " + (why or "jaggo showed no window"), 1
    return (str(count), config, claimed, seen, said), outcome


def main(argv):
    if len(argv) != 2 or argv[1].startswith("-"):
        print("Usage: scripts/sweep.py JAGGO", file=sys.stderr)
        return 1
    jaggo = argv[1]
    bound = watch.bound()
    if bound is None:
        print("sweep: JAGGO_HEADLESS_TIMEOUT is not a positive number of seconds", file=sys.stderr)
        return 1
    on_own = bool(os.environ.get("DISPLAY") or os.environ.get("WAYLAND_DISPLAY"))
    if on_own and choose.native_wayland(os.environ):
        print("sweep: jaggo's windows would be native Wayland ones, which no other program may read back "
              "(with DISPLAY set and XDG_SESSION_TYPE=x11 they run on Xwayland)", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory(prefix="jaggo-sweep-") as runtime:
        if on_own:
            where = "the display " + os.environ["DISPLAY"]
            offered = x11.glx_sample_counts(os.environ["DISPLAY"])

            def run(args):
                app, shot, why = own.run(jaggo, args, bound, close=True, echo=False)
                status = app.status(bound)
                return (1 if status is None else status), shot, app.claim, why
        else:
            with private.Private(runtime) as display:
                where = "a private display (%s)" % ("weston nested in Xvfb, EGL" if display.compositor
                                                     else "Xvfb, GLX")
                offered = display.sample_counts()

            def run(args):
                try:
                    status, shot, claim = private.run(jaggo, args, runtime, bound, echo=False)
                    return status, shot, claim, None
                except Exception as e:  # this row failed; the others still run
                    return 0, None, None, str(e) or type(e).__name__
        counts = sorted(set(COUNTS) | {n for n in offered if n > 1})
        print("Sample counts on %s: offered %s; asked %s"
              % (where, " ".join(str(n) for n in sorted(offered)) or "(none read)",
                 " ".join(str(n) for n in counts)))
        rows, outcomes = [HEADER], []
        for count in counts:
            cells, outcome = row(count, run)
            rows.append(cells)
            outcomes.append(outcome)
    widths = [max(len(r[i]) for r in rows) for i in range(len(HEADER) - 1)]
    for cells in rows:
        print("  ".join(c.rjust(w) for c, w in zip(cells, widths)) + "  " + cells[-1])
    if verdict.CONTRADICTED in outcomes:
        return verdict.CONTRADICTED
    return 1 if 1 in outcomes else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
