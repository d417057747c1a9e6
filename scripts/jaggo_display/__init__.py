# jaggo display: the private displays the headless run starts; the tests start theirs with it too.
# xvfb (a private X server and its clients' environment), weston (a compositor nested in it), choose
# (which of the two a run takes), private (the display of one run), wait (for a condition within a bound).
