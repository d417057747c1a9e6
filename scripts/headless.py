#!/usr/bin/env python3
# jaggo: runs jaggo-verdict on a private display, where it judges its own framebuffer as on any other:
# jaggo's report, then its lines Edges:, Coverage: and Verdict:. It runs as PROGRAM -q [arguments...],
# so that it ends once judged; with -a it judges every sample count, one window after another, on the
# private display.
# Usage: scripts/headless.py PROGRAM [arguments...]   (PROGRAM: a jaggo-verdict binary)
# Its standard output passes through unchanged, its standard error too (without weston's lines about
# decoration plugins, which say nothing of it), and so does its status.
# JAGGO_HEADLESS_TIMEOUT (seconds, default 60) bounds the run: a program still running then is ended.
#
# The display is a private Xvfb, or weston nested in it where the Xvfb offers no multisampling and the
# GLFW the program loads can run on Wayland (jaggo_display/choose.py). Any failure of this script or
# of the private display is one line "headless: ..." on standard error and status 1.
import os
import subprocess
import sys
import tempfile
import threading

from jaggo_display import private

BOUND = 60  # seconds; a judged run takes one or two, a sweep some more


class Failure(RuntimeError):
    """The run did not do its part: the reason in words."""


def bound():
    """The bound of the run in seconds: JAGGO_HEADLESS_TIMEOUT, else BOUND; None when that is
    not a positive whole number."""
    try:
        seconds = int(os.environ.get("JAGGO_HEADLESS_TIMEOUT") or BOUND)
    except ValueError:
        return None
    return seconds if seconds > 0 else None


def pass_errors(stream, drop):
    """Passes the program's standard error on as it comes, without the lines in drop."""
    for line in iter(stream.readline, b""):
        if line.decode(errors="replace").rstrip("\n") not in drop:
            sys.stderr.buffer.write(line)
            sys.stderr.buffer.flush()


def run(command, display, seconds):
    """Runs the command on the private display; its exit status (a signal's as a shell gives it)."""
    drop = display.noise()
    proc = subprocess.Popen(command, env=display.env, stdin=subprocess.DEVNULL,
                            stderr=subprocess.PIPE if drop else None)
    # A daemon: a child of the program's left behind could hold the pipe open for ever.
    passing = threading.Thread(target=pass_errors, args=(proc.stderr, drop), daemon=True) if drop else None
    if passing:
        passing.start()
    try:
        status = proc.wait(seconds)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        raise Failure("%s did not end within %d s" % (os.path.basename(command[0]), seconds)) from None
    except KeyboardInterrupt:  # the program had the interrupt too: its status tells
        status = proc.wait()
    if passing:
        passing.join(5)
    return status if status >= 0 else 128 - status


def main(argv):
    if len(argv) < 2 or argv[1].startswith("-"):
        print("Usage: scripts/headless.py PROGRAM [arguments...]", file=sys.stderr)
        return 1
    program, args = argv[1], argv[2:]
    seconds = bound()
    if seconds is None:
        print("headless: JAGGO_HEADLESS_TIMEOUT is not a positive number of seconds", file=sys.stderr)
        return 1
    if os.path.isdir(program) or not os.access(program, os.X_OK):
        print("headless: %s is not a program that can be run" % program, file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory(prefix="jaggo-run-") as runtime:
        try:
            with private.Private(runtime) as display:
                return run([program, "-q", *args], display, seconds)
        except Exception as e:  # whatever went wrong, one line: a traceback is no answer
            print("headless: %s" % (str(e) or type(e).__name__), file=sys.stderr)
            return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
