# jaggo display: a jaggo run on the user's own X display (DISPLAY): as it would run alone, its window
# read back once the squares have turned. scripts/own_display.py and the sweep (scripts/sweep.py) use it.
import os

from . import watch, x11


def run(jaggo, args, bound, close=False, echo=True):
    """Runs jaggo on the display in DISPLAY and reads its window back once the squares have turned;
    with close, then closes it as a window manager's close button would (the sweep), else leaves it
    for the user to close. Returns (jaggo as watch.Jaggo, the picture or None, why there is none:
    None when jaggo ended before it showed a window)."""
    display = os.environ["DISPLAY"]
    app = watch.Jaggo([jaggo, *args], os.environ, echo=echo)
    shot = why = None
    try:
        window, shot, why = watch.look(
            app, lambda alive: x11.find_window(display, "^Jaggoscope$", alive, bound, pid=app.proc.pid),
            lambda window: x11.read_window(display, window), bound)
        if window is not None and shot is None and why is None:
            why = "the window was closed before its squares had turned"
        if close and window is not None:
            x11.close_window(display, window)
    except Exception as e:  # the read-back failed: the window and jaggo's status are not lost to it
        why = "reading the window failed: %s" % (str(e) or type(e).__name__)
    return app, shot, why
