# jaggo display: watching a running jaggo, on a private display or on the user's own: its output passed
# on as it comes with its context line kept, its window read back once the squares have turned, and that
# picture judged against the report in the lines Edges:, Coverage: and Verdict:.
import os
import subprocess
import sys
import threading

from . import coverage, picture, verdict, wait, x11

BOUND = 30  # seconds, for things that take a second or two
_out = threading.Lock()  # jaggo's lines and ours reach standard output whole, one at a time


class Failure(Exception):
    """A private display, or jaggo on it, that did not do its part: the reason in words."""


def bound():
    """The bound of each wait in seconds: JAGGO_HEADLESS_TIMEOUT, else BOUND; None when that
    is not a positive whole number."""
    try:
        seconds = int(os.environ.get("JAGGO_HEADLESS_TIMEOUT") or BOUND)
    except ValueError:
        return None
    return seconds if seconds > 0 else None


def command_line(argv, script, tag):
    """A run script's command line, script JAGGO PNG [jaggo arguments...]: (jaggo, png, jaggo's
    arguments, the bound of each wait), or None once the reason is on standard error in one line:
    the usage, a bound that is no positive number, a jaggo that cannot be run."""
    if len(argv) < 3 or argv[1].startswith("-"):
        print("Usage: %s JAGGO PNG [jaggo arguments...]" % script, file=sys.stderr)
        return None
    jaggo, png, args = argv[1], argv[2], argv[3:]
    seconds = bound()
    if seconds is None:
        print("%s: JAGGO_HEADLESS_TIMEOUT is not a positive number of seconds" % tag, file=sys.stderr)
        return None
    if not os.access(jaggo, os.X_OK):
        print("%s: %s is not a program that can be run" % (tag, jaggo), file=sys.stderr)
        return None
    return jaggo, png, args, seconds


def say(line):
    with _out:
        sys.stdout.write(line + "\n")
        sys.stdout.flush()


class Jaggo:
    """A running jaggo. Its standard output is passed on unchanged, line by line as it comes, and its
    context line kept as claim: (configuration, GL_SAMPLES); without echo it is only read. Its standard
    error is its own, or, given drop, passed on without the lines in drop."""

    def __init__(self, command, env, stdin=None, drop=None, echo=True):
        self.echo = echo
        self.proc = subprocess.Popen(command, env=env, stdin=stdin, stdout=subprocess.PIPE,
                                     stderr=None if drop is None else subprocess.PIPE)
        self.claim = None
        # Daemons: a child of jaggo's left behind could hold a pipe open for ever.
        self.threads = [threading.Thread(target=self._pass_output, daemon=True)]
        if drop is not None:
            self.threads.append(threading.Thread(target=self._pass_errors, args=(drop,), daemon=True))
        for thread in self.threads:
            thread.start()

    def _pass_output(self):
        for line in iter(self.proc.stdout.readline, b""):
            claim = verdict.read_claim(line.decode(errors="replace"))
            if claim is not None:
                self.claim = claim
            if not self.echo:
                continue
            with _out:
                sys.stdout.buffer.write(line)
                sys.stdout.buffer.flush()

    def _pass_errors(self, drop):
        for line in iter(self.proc.stderr.readline, b""):
            if line.decode(errors="replace").rstrip("\n") not in drop:
                sys.stderr.buffer.write(line)
                sys.stderr.buffer.flush()

    def alive(self):
        return self.proc.poll() is None

    def status(self, timeout=None):
        """jaggo's exit status once it has ended (a signal's as a shell gives it: 128 + its number),
        with all it wrote passed on; None if it still runs after timeout seconds."""
        try:
            status = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
        for thread in self.threads:
            thread.join(timeout or 30)
        return status if status >= 0 else 128 - status

    def kill(self):
        if self.alive():
            self.proc.kill()


def turned_picture(read, alive, bound):
    """The first picture, as read() gives it, whose squares have turned far enough for every edge to
    cross pixels and are drawn whole; polled for bound seconds, or until alive() says jaggo ended.
    Returns (picture, None), or (None, why): what the last reading showed, or None if jaggo ended."""
    last = ["jaggo's window gave no picture"]

    def ready():
        try:
            shot = read()
        except x11.ReadError as e:
            last[0] = str(e)
            return None
        width, height, _ = shot
        left, right = picture.both_squares(*shot)
        if not picture.turned_enough(left, height):
            last[0] = "jaggo's squares did not turn"
            return None
        last[0] = picture.as_drawn(width, height, left, right)
        return shot if last[0] is None else None

    shot = wait.until(alive, ready, bound)
    if shot:
        return shot, None
    return None, (last[0] if alive() else None)


def look(app, find, read, bound):
    """Waits for jaggo's window (find(alive) gives its id or None) and then for a turned picture of it
    (read(window)). Returns (window, picture, why): why says what was not had within bound seconds
    while jaggo ran; both are None when jaggo ended first (-h, an error, a closed window)."""
    window = find(app.alive)
    if window is None:
        return None, None, ("jaggo showed no window within %d s" % bound if app.alive() else None)
    shot, why = turned_picture(lambda: read(window), app.alive, bound)
    return window, shot, (None if why is None else "no picture of jaggo's turned squares within %d s: %s"
                          % (bound, why))


class Judgement:
    """A picture held against jaggo's context line: the lines Edges:, Coverage: and Verdict:, the
    status the verdict asks for (0 or verdict.CONTRADICTED), and the two squares' readings."""

    def __init__(self, shot, claim):
        self.left, self.right = coverage.both_squares(*shot)
        self.lines = [picture.edges_line(*picture.both_squares(*shot)),
                      coverage.coverage_line(self.left, self.right)]
        if claim is None:
            line, self.status = verdict.unmade("jaggo printed no context line to hold the picture against"), 0
        else:
            line, self.status = verdict.judge(claim[1], self.left, self.right)
        self.lines.append(line)
        self.verdict = line


def shown_path(path):
    """A file's path as the user may type it: relative when it lies below the current folder."""
    path = os.path.abspath(path)
    here = os.getcwd()
    return os.path.relpath(path, here) if path.startswith(here.rstrip(os.sep) + os.sep) else path


def report(shot, claim, png=None):
    """Saves the picture (given a path) and prints where, then its Edges:, Coverage: and Verdict:
    lines; returns the status the verdict asks for."""
    if png is not None:
        try:
            with open(png, "wb") as f:
                f.write(picture.png(*shot))
            say("Screenshot of the window: " + shown_path(png))
        except OSError as e:
            say("Screenshot of the window: not saved: %s" % e)
    judged = Judgement(shot, claim)
    for line in judged.lines:
        say(line)
    return judged.status
