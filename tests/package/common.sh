# jaggo tests: what the package tests share, sourced after they set `build`.
# Skipping for a missing tool, failing with a reason, and building the package into a folder of the test's own.

require_tools() {  # tool...: exits 77 (skipped) when one is missing
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
    done
}

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
