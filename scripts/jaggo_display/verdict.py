# jaggo display: the picture held against the report. The report says what the context claims
# (GL_SAMPLES); the squares show what the driver does. They agree, or the run ends with CONTRADICTED.
import re

CONTRADICTED = 3  # the exit status of a run whose picture contradicts its report: neither 0 nor jaggo's 1

AGREES = "Verdict: the picture agrees with the report"
CONTEXT_LINE = re.compile(r"^Context (-?\d+) reports MSAA is (?:available with (-?\d+) samples|unavailable)$")


def read_claim(line):
    """(configuration, GL_SAMPLES) from jaggo's context line, or None for any other line."""
    m = CONTEXT_LINE.match(line.rstrip("\r\n"))
    if m is None:
        return None
    return int(m.group(1)), int(m.group(2) or 0)


def contradictions(claimed, left, right):
    """What the picture says against the report, in words (empty when they agree). claimed is
    GL_SAMPLES; left and right are coverage.Square readings, both with a sample count."""
    found = []
    granted = max(claimed, 1)  # a context without multisampling draws with one sample
    if right.samples != granted:
        if claimed == 0:
            found.append("the context reports no multisampling, yet the right square shows %d samples"
                         % right.samples)
        else:
            shown = "%d samples" % right.samples if right.samples > 1 else "no multisampling"
            found.append("the context reports %d samples, but the right square shows %s" % (claimed, shown))
    if left.samples != 1:
        found.append("the left square shows %d samples although multisampling is off for it: the driver "
                     "or its settings force anti-aliasing" % left.samples)
    return found


def judge(claimed, left, right):
    """(the Verdict line, the status it asks for: 0 or CONTRADICTED). A picture whose levels fit
    no sample count gives no verdict (status 0): it is never taken as agreement."""
    unread = [name for name, square in (("left", left), ("right", right)) if square.samples is None]
    if unread:
        return ("Verdict: none could be made: the %s square's grey levels fit no sample count (a filtered "
                "or scaled picture?)" % " and ".join(unread)), 0
    found = contradictions(claimed, left, right)
    if found:
        return "Verdict: CONTRADICTION: " + "; ".join(found), CONTRADICTED
    agreed = "%d samples" % claimed if claimed > 1 else "no multisampling"
    return "%s: %s" % (AGREES, agreed), 0


def unmade(why):
    """The Verdict line of a picture that could not be had or read."""
    return "Verdict: none could be made: " + why
