#!/usr/bin/env bash
# jaggo tests: the Windows part's GLFW fetch fails with one line on standard error and a non-zero
# status where the npm registry cannot be reached and where a file differs from its committed SHA-256
# sum, and leaves no temporary folder behind. Runs a copy of the script in a scratch tree, with its
# packages present.
# Usage: test_install_deps.sh SOURCE_DIR. Exits 77 (skipped) without npm or the Windows part's packages.
set -euo pipefail

source_dir=$1
# shellcheck source=tests/harness/prerequisites.sh
source "$(dirname "$0")/../harness/prerequisites.sh"
require_tools npm
for p in g++-mingw-w64-x86-64 wine wine64 googletest; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing "the package $p"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# The script and its sums in a tree of their own: its build-deps/ starts empty.
mkdir -p "$work/tree/scripts" "$work/tree/cmake" "$work/tmp" "$work/bin"
cp "$source_dir/scripts/install-deps.sh" "$work/tree/scripts/"
cp "$source_dir/cmake/glfw3-windows.sha256" "$work/tree/cmake/"

# expect PATTERN VAR=VALUE...: the fetch fails, its last line, on standard error, names the Windows
# step and matches.
expect() {
    local pattern=$1 out status=0
    shift
    out=$(env TMPDIR="$work/tmp" "$@" bash "$work/tree/scripts/install-deps.sh" windows 2>&1 >"$work/stdout") ||
        status=$?
    echo "$out" | sed 's/^/    /'
    [ "$status" -ne 0 ] || fail "status 0"
    [ ! -s "$work/stdout" ] || fail "on standard output: $(cat "$work/stdout")"
    grep -Eq "^install-deps: windows: $pattern" <<<"$(tail -n 1 <<<"$out")" || fail "no line matching '$pattern'"
    [ -z "$(ls -A "$work/tmp")" ] || fail "left behind: $(ls -A "$work/tmp")"
    [ ! -e "$work/tree/build-deps/glfw-3.1.2-win64/glfw3.dll" ] || fail "a file was installed"
}

echo "registry unreachable:"
expect "npm pack node-glfw@0.4.6 failed .*127\.0\.0\.1:9" NPM_CONFIG_REGISTRY=http://127.0.0.1:9/ NPM_CONFIG_FETCH_RETRIES=0

# An npm that hands out a package whose files are not GLFW's.
mkdir -p "$work/pkg/package/deps/windows/lib/x64"
printf 'not GLFW' >"$work/pkg/package/deps/windows/lib/x64/glfw3.dll"
printf 'lib' >"$work/pkg/package/deps/windows/lib/x64/glfw3dll.lib"
printf 'licence' >"$work/pkg/package/deps/License-GLFW.txt"
tar -czf "$work/node-glfw-0.4.6.tgz" -C "$work/pkg" package
printf '#!/bin/sh\ncp "%s" .\n' "$work/node-glfw-0.4.6.tgz" >"$work/bin/npm"
chmod +x "$work/bin/npm"
echo "checksum differs:"
expect "glfw3.dll from node-glfw@0.4.6 has SHA-256 [0-9a-f]{64}, expected 583c8527" PATH="$work/bin:$PATH"
echo "install-deps: both failures named, nothing left behind"
