# jaggo display: the private displays the headless run uses, and the tests with it.
# xvfb (a private X server and its tools), weston (a compositor nested in it), picture (the
# squares and their grey edge pixels in a screenshot), choose (which of the two a run takes),
# wait (for a condition within a bound).
