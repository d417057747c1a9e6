# jaggo tests: runs one command on a private Xvfb and exits with its status.
# Usage: with_xvfb.py COMMAND [ARGS...]; exits 77 (skip) when Xvfb is missing.
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import xsession as xs  # noqa: E402

if __name__ == "__main__":
    if not xs.have_tools("Xvfb"):
        print("skipped: Xvfb is missing")
        sys.exit(xs.SKIP)
    server, display = xs.start_xvfb()
    try:
        status = subprocess.run(sys.argv[1:], env=xs.env_for(display)).returncode
    finally:
        xs.stop(server)
    sys.exit(status)
