#!/usr/bin/env bash
# jaggo: builds everything and runs the whole test suite.
# Unit, process and real-window tests, then the same under ASan+UBSan, the Windows build
# under Wine, then the fuzzer, then (as root, with debootstrap) the README's two commands in
# fresh Debian 12 and 13 roots. JAGGO_SKIP_FRESH=1 leaves out that last part (fresh-check.sh
# sets it for the run inside).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
# The tests' scripts need only the standard library: use Debian's interpreter
# rather than whatever python3 comes first on PATH.
python=
[ -x /usr/bin/python3 ] && python=/usr/bin/python3
failed=0

run_suite() {  # build dir, extra cmake arguments...
    local dir=$1
    shift
    echo "== building $dir"
    cmake -S . -B "$dir" -DJAGGO_TESTS=ON -DJAGGO_WERROR=ON ${python:+"-DPython3_EXECUTABLE=$python"} "$@" >/dev/null
    cmake --build "$dir" -j"$jobs" >/dev/null
    echo "== testing $dir"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" || failed=1
}

scripts/check-format.sh || failed=1
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJAGGO_BENCH=ON
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DJAGGO_SANITIZE=ON

# ---- Windows: the cross build with its tests under Wine, the ZIP, and the
# platform code compiled as for macOS (syntax only, the project's warnings as
# errors). Skipped only where the cross compiler or Wine is missing.
windows_suite() {
    local start=$SECONDS
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
    # The warnings the project's build gives this file, as recorded by CMake.
    local warnings
    warnings=$("${python:-python3}" -c '
import json, shlex, sys
for entry in json.load(open(sys.argv[1])):
    if entry["file"].endswith("app/pixel_format.cpp"):
        print(" ".join(a for a in shlex.split(entry["command"]) if a.startswith("-W") and not a.startswith("-Wl,")))
        break
' build/compile_commands.json) || return 1
    [ -n "$warnings" ] || { echo "no warning flags found for app/pixel_format.cpp"; return 1; }
    # shellcheck disable=SC2086  # one flag per word
    clang++ -std=c++17 -fsyntax-only -D__APPLE__ -DGLFW_INCLUDE_NONE -I. $warnings -Werror app/pixel_format.cpp ||
        return 1
    echo "== windows: $((SECONDS - start)) s"
}
windows_suite || { echo "== windows: FAILED"; failed=1; }

if [ -x scripts/fuzz.sh ]; then
    echo "== fuzzing"
    scripts/fuzz.sh 30 || failed=1
fi

if [ "${JAGGO_SKIP_FRESH:-}" = 1 ]; then
    echo "== fresh systems: skipped (JAGGO_SKIP_FRESH=1)"
elif [ "$(id -u)" -ne 0 ] || ! command -v debootstrap >/dev/null; then
    echo "== fresh systems: skipped (needs root and debootstrap)"
else
    for release in bookworm trixie; do
        echo "== fresh system: $release"
        scripts/fresh-check.sh "$release" || failed=1
    done
fi

if [ "$failed" -ne 0 ]; then
    echo "jaggo: some tests FAILED"
    exit 1
fi
echo "jaggo: all tests passed"
