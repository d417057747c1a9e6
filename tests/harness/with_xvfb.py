# jaggo tests: runs one command on a private Xvfb and exits with its status.
# Usage: with_xvfb.py COMMAND [ARGS...]; exits 77 (skip) when Xvfb is missing.
import subprocess
import sys

from harness import xsession as xs

if __name__ == "__main__":
    xs.need("Xvfb")
    server, display = xs.start_xvfb()
    try:
        status = subprocess.run(sys.argv[1:], env=xs.env_for(display)).returncode
    finally:
        xs.stop(server)
    sys.exit(status)
