#!/usr/bin/env bash
# jaggo: builds everything and runs the whole test suite, in folders of its own (never build/,
# the run command's): the format check; every test of the `dev` and `asan` preset builds
# (build-dev, build-asan); the Windows build under Wine (build-windows); the fuzzer (build-fuzz);
# then, as root with debootstrap, the README's two commands on fresh Debian systems.
# JAGGO_FRESH_RELEASES names those systems (default "bookworm trixie"; add forky for Debian
# testing); JAGGO_SKIP_FRESH=1 leaves them out (fresh-check.sh sets it for the run inside).
set -euo pipefail
cd "$(dirname "$0")/.."

# The core's packages must install. The Windows part's may be left out (the release cannot
# install them: skipped below with a line); but a fetch that fails is that part failing.
scripts/install-deps.sh run test fresh
failed=0
windows_deps=ok
scripts/install-deps.sh windows || windows_deps=failed

jobs=$(nproc)
# The tests' scripts need only the standard library: use Debian's interpreter
# rather than whatever python3 comes first on PATH.
python=
[ -x /usr/bin/python3 ] && python=/usr/bin/python3

run_suite() {  # preset
    echo "== building build-$1"
    cmake --preset "$1" ${python:+"-DPython3_EXECUTABLE=$python"} >/dev/null
    cmake --build --preset "$1" -j"$jobs" >/dev/null
    echo "== testing build-$1"
    ctest --preset "$1" -j"$jobs" || failed=1
}

scripts/check-format.sh || failed=1
run_suite dev
run_suite asan

# ---- Windows: the cross build with its tests under Wine, the ZIP, and the
# platform code compiled as for macOS (syntax only, the project's warnings as
# errors). Skipped only where the cross compiler or Wine is missing.
windows_suite() {
    local start=$SECONDS
    if [ "$windows_deps" != ok ]; then
        echo "== windows: FAILED: its dependencies could not be installed (the line above says why)"
        return 1
    fi
    if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
        echo "== windows: SKIPPED: the mingw-w64 cross compiler (x86_64-w64-mingw32-g++-posix) or wine is missing"
        return 0
    fi
    echo "== building build-windows"
    cmake --preset windows ${python:+"-DPython3_EXECUTABLE=$python"} >/dev/null || return 1
    cmake --build --preset windows -j"$jobs" >/dev/null || return 1
    echo "== testing build-windows"
    ctest --preset windows -j"$jobs" || return 1
    cpack --preset windows >build-windows/cpack.log 2>&1 || { cat build-windows/cpack.log; return 1; }
    echo "== package: $(ls build-windows/jaggo-*-win64.zip)"

    echo "== macOS syntax check of app/pixel_format.cpp"
    # The warnings and include roots the project's build gives this file, as recorded by CMake.
    local flags
    flags=$("${python:-python3}" -c '
import json, shlex, sys
for entry in json.load(open(sys.argv[1])):
    if entry["file"].endswith("app/pixel_format.cpp"):
        print(" ".join(a for a in shlex.split(entry["command"])
                       if (a.startswith("-W") and not a.startswith("-Wl,")) or a.startswith("-I")))
        break
' build-dev/compile_commands.json) || return 1
    [[ "$flags" == *-W* ]] || { echo "no warning flags found for app/pixel_format.cpp"; return 1; }
    # shellcheck disable=SC2086  # one flag per word
    clang++ -std=c++17 -fsyntax-only -D__APPLE__ -DGLFW_INCLUDE_NONE $flags -Werror app/pixel_format.cpp ||
        return 1
    echo "== windows: $((SECONDS - start)) s"
}
windows_suite || { echo "== windows: FAILED"; failed=1; }

echo "== fuzzing"
scripts/fuzz.sh 30 || failed=1

if [ "${JAGGO_SKIP_FRESH:-}" = 1 ]; then
    echo "== fresh systems: skipped (JAGGO_SKIP_FRESH=1)"
elif [ "$(id -u)" -ne 0 ] || ! command -v debootstrap >/dev/null; then
    echo "== fresh systems: skipped (needs root and debootstrap)"
else
    for release in ${JAGGO_FRESH_RELEASES:-bookworm trixie}; do
        echo "== fresh system: $release"
        scripts/fresh-check.sh "$release" || failed=1
    done
fi

if [ "$failed" -ne 0 ]; then
    echo "jaggo: some tests FAILED"
    exit 1
fi
echo "jaggo: all tests passed"
