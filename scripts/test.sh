#!/usr/bin/env bash
# jaggo: builds everything and runs the whole test suite, in folders of its own (never build/, the run
# command's). The suites, in this order:
#   format   the format check
#   dev      every test of the `dev` preset (build-dev), the checks of the source tree among them,
#            the Debian package built by dpkg-buildpackage included
#   asan     every test that runs the build's code, under the sanitizers (build-asan); not the
#            source checks, the install's layout or the soak, which dev runs
#   windows  the Windows build with its tests under Wine, and its ZIP (build-windows)
#   macos    the platform code compiled as for macOS (syntax only, the project's warnings as errors)
#   fuzz     the loader's fuzzer for 30 s (build-fuzz)
#   fresh    as root with debootstrap, the README's commands on fresh Debian systems (fresh-check.sh),
#            started first and run beside the others; their reports follow the other suites'
# JAGGO_SUITES names the suites to run (default: all of them); JAGGO_QUICK=1 runs the dev suite with
# the quick test preset (no slow tests, no source checks); JAGGO_SKIP_FRESH=1 leaves out the fresh systems.
# JAGGO_FRESH_RELEASES names those systems (default "bookworm trixie"; add forky for Debian testing).
# Each runs the README's first command, the plain build and the Debian package's build, install and
# autopkgtest; a release other than this machine's also runs the suites of this command that its
# compiler, GLFW, Mesa and Wine can change (fresh-check.sh --tests release), under CI rules (this
# machine's own release is what the suites above test). JAGGO_FRESH_TESTS sets what every release
# runs of it instead: full (all but the fresh systems), release, quick (the dev suite without slow
# tests) or none.
set -euo pipefail
cd "$(dirname "$0")/.."

suites=" ${JAGGO_SUITES:-format dev asan windows macos fuzz fresh} "
wants() { [[ "$suites" == *" $1 "* ]]; }
[ "${JAGGO_SKIP_FRESH:-}" != 1 ] || suites=${suites/ fresh / }

# Every part's packages, whichever suites run: the checks of the source tree test the fresh and
# Windows parts' scripts too. The core's packages must install. The Windows part's may be left out
# (the release cannot install them: skipped below with a line); but a fetch that fails is that part
# failing.
scripts/install-deps.sh run test fresh
failed=0
windows_deps=ok
scripts/install-deps.sh windows || windows_deps=failed

jobs=$(nproc)
# The tests' scripts need only the standard library: use Debian's interpreter
# rather than whatever python3 comes first on PATH.
python=
[ -x /usr/bin/python3 ] && python=/usr/bin/python3

# ---- fresh: started first, as each takes minutes of mostly unpacking packages; their output goes to
# a log each, printed once the other suites are done.
fresh_logs=()
fresh_pids=()
if wants fresh; then
    if [ "$(id -u)" -ne 0 ] || ! command -v debootstrap >/dev/null; then
        echo "== fresh systems: skipped (needs root and debootstrap)"
    else
        here=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
        mkdir -p build-fresh
        rm -f build-fresh/failed
        releases=${JAGGO_FRESH_RELEASES:-bookworm trixie}
        # A process group of its own, so that a test command that ends early ends it too (fresh-check
        # then unmounts and removes its root).
        # The roots run beside each other too: each is mostly unpacking packages at first, and one
        # after the other they would take longer than the host's suites.
        setsid -w bash -c '
            for release in $1; do
                tests=${JAGGO_FRESH_TESTS:-release}
                [ -n "${JAGGO_FRESH_TESTS:-}" ] || [ "$release" != "$2" ] || tests=none
                { tools/fresh-check.sh "$release" --tests "$tests" >"build-fresh/$release.log" 2>&1 ||
                    echo "$release" >>build-fresh/failed; } &
            done
            wait' _ "$releases" "$here" &
        fresh_pids+=($!)
        trap '[ ${#fresh_pids[@]} -eq 0 ] || kill -TERM -- "-${fresh_pids[0]}" 2>/dev/null || true' EXIT
        for release in $releases; do
            fresh_logs+=("build-fresh/$release.log")
        done
        echo "== fresh systems: ${JAGGO_FRESH_RELEASES:-bookworm trixie}, started (their reports come last)"
    fi
fi

run_suite() {  # preset [test preset]
    echo "== building build-$1"
    cmake --preset "$1" ${python:+"-DPython3_EXECUTABLE=$python"} >/dev/null
    cmake --build --preset "$1" -j"$jobs" >/dev/null
    echo "== testing build-$1"
    ctest --preset "${2:-$1}" -j"$jobs" || failed=1
}

if wants format; then
    tools/check-format.sh || failed=1
fi
if wants dev; then
    if [ "${JAGGO_QUICK:-}" = 1 ]; then
        run_suite dev quick
    else
        run_suite dev
    fi
fi
if wants asan; then
    run_suite asan
fi

# ---- windows: the cross build with its tests under Wine, and the ZIP. Skipped only where the cross
# compiler or Wine is missing.
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
    echo "== windows: $((SECONDS - start)) s"
}
if wants windows; then
    windows_suite || { echo "== windows: FAILED"; failed=1; }
fi

# ---- macos: the platform files as macOS would compile them, with the warnings and include roots the
# project's build gives them (as CMake recorded them for build-dev, else configured here).
macos_suite() {
    local file flags
    [ -f build-dev/compile_commands.json ] || cmake --preset dev ${python:+"-DPython3_EXECUTABLE=$python"} >/dev/null
    for file in platform/*.cpp; do
        echo "== macOS syntax check of $file"
        flags=$("${python:-python3}" -c '
import json, shlex, sys
for entry in json.load(open(sys.argv[1])):
    if entry["file"].endswith(sys.argv[2]):
        print(" ".join(a for a in shlex.split(entry["command"])
                       if (a.startswith("-W") and not a.startswith("-Wl,")) or a.startswith("-I")))
        break
' build-dev/compile_commands.json "$file") || return 1
        [[ "$flags" == *-W* ]] || { echo "no warning flags found for $file"; return 1; }
        # shellcheck disable=SC2086  # one flag per word
        clang++ -std=c++17 -fsyntax-only -D__APPLE__ -DGLFW_INCLUDE_NONE $flags -Werror "$file" || return 1
    done
}
if wants macos; then
    macos_suite || { echo "== macos: FAILED"; failed=1; }
fi

if wants fuzz; then
    echo "== fuzzing"
    tools/fuzz.sh 30 || failed=1
fi

if [ ${#fresh_pids[@]} -gt 0 ]; then
    wait "${fresh_pids[@]}" || true
    fresh_pids=()
    for log in "${fresh_logs[@]}"; do
        echo "== fresh system: $(basename "$log" .log)"
        cat "$log" 2>/dev/null || echo "(no report: $log is missing)"
    done
    if [ -s build-fresh/failed ]; then
        echo "== fresh systems FAILED: $(tr '\n' ' ' <build-fresh/failed)"
        failed=1
    fi
fi

if [ "$failed" -ne 0 ]; then
    echo "jaggo: some tests FAILED"
    exit 1
fi
echo "jaggo: all tests passed"
