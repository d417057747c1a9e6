#!/usr/bin/env python3
# jaggo: runs a jaggo binary on the user's own display, as it would run alone, and reads its window back
# once the squares have turned: the same lines Edges:, Coverage: and Verdict: as the headless run, the
# picture saved to PNG. The window then stays open until the user presses Escape or closes it.
# Usage: scripts/own_display.py JAGGO PNG [jaggo arguments...]
#
# jaggo's output passes through unchanged and its standard error is its own. Reading the window is one
# XGetImage of it: nothing is moved, raised, focused or sent to it. A picture that cannot be had (the
# window minimised, obscured, cut off, or closed first) gives a Verdict line saying why, never a false
# agreement. The status is jaggo's own, or 3 when the picture contradicts the report. On native
# Wayland no client may read another's window: one line says so, and jaggo runs alone.
import os
import sys

from jaggo_display import choose, own, verdict, watch


def main(argv):
    given = watch.command_line(argv, "scripts/own_display.py", "own-display")
    if given is None:
        return 1
    jaggo, png, args, bound = given
    if choose.native_wayland(os.environ):
        watch.say(verdict.unmade("jaggo's window is a native Wayland one, which no other program may read "
                                 "back (with DISPLAY set and XDG_SESSION_TYPE=x11 it runs on Xwayland)"))
        os.execv(jaggo, [jaggo, *args])
    if not os.environ.get("DISPLAY"):
        os.execv(jaggo, [jaggo, *args])  # no display this GLFW can use: jaggo says so itself
    judged = 0
    app = None
    try:
        app, shot, why = own.run(jaggo, args, bound)
        if shot is not None:
            judged = watch.report(shot, app.claim, png)
        elif why is not None:
            watch.say(verdict.unmade(why))
    except KeyboardInterrupt:
        pass  # jaggo had the interrupt too: its status tells
    while app is not None:
        try:
            return app.status() or judged
        except KeyboardInterrupt:
            continue
    return 130


if __name__ == "__main__":
    sys.exit(main(sys.argv))
