# jaggo tests: what the package tests share: skipping for a missing tool, failing with a reason, and
# building a CPack package into a folder of the test's own (build_package, after setting `build`).

# shellcheck source=tests/harness/prerequisites.sh
source "$(dirname "${BASH_SOURCE[0]}")/../harness/prerequisites.sh"

fail() {
    echo "FAIL: $*"
    exit 1
}

# Runs CPack with one generator into $work/out; everything goes to the test's
# own folder $work, not the build dir's top.
build_package() {  # generator
    work=$build/package-test
    rm -rf "$work"
    mkdir -p "$work"
    cpack -G "$1" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack"; }
}
