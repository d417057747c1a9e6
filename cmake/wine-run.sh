#!/bin/sh
# jaggo: runs a cross-built Windows program under Wine, for CTest and scripts.
# The Wine prefix lives in the build folder (WINEPREFIX, or beside the program), never in $HOME.
set -e
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(cd "$(dirname "$1")" && pwd)/wine-prefix"
    export WINEPREFIX
fi
export WINEDEBUG=-all
# No desktop integration or Mono/Gecko install prompts in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}mscoree,mshtml,winemenubuilder.exe="
# Wine's server outlives the program. Started here, detached from our output,
# it holds no pipe of the caller open (a caller reading the program's output
# to its end would wait for the server), and it stays for the next program
# for a minute. It does nothing if one already runs for this prefix.
mkdir -p "$WINEPREFIX"
wineserver -p60 </dev/null >/dev/null 2>&1 || true
exec wine "$@"
