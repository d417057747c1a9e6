#!/usr/bin/env bash
# jaggo: builds everything and runs the whole test suite.
# Unit, process and real-window tests, then the same under ASan+UBSan, then the fuzzer, then
# (as root, with debootstrap) the README's two commands in fresh Debian 12 and 13 roots.
# JAGGO_SKIP_FRESH=1 leaves out that last part (fresh-check.sh sets it for the run inside).
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
