# jaggo display: what the run path does with displays, private or the user's own; the tests import it.
# xvfb (a private X server), weston (a compositor nested in it), x11 (an X display's windows, their
# pixels read back, what its GLX offers), choose (which display a run takes), picture (the squares in
# a picture), coverage (the samples their grey levels show), verdict (the picture held against the
# report), watch (a running jaggo watched and judged), wait (for a condition within a bound).
