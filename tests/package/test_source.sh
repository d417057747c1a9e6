#!/usr/bin/env bash
# jaggo tests: the source package holds exactly the files git tracks: no build folder, no
# build-deps/ with its third-party DLL, nothing .gitignore names; and CPack reads its rules cleanly.
# It is made twice: from this checkout, and from a clone of it under a folder named builds/ (as
# GitLab CI checks out), which no ignore rule may match. A package that would lack a tracked
# file is not made at all.
# Usage: test_source.sh BUILD_DIR SOURCE_DIR. Exits 77 (skipped) outside a git checkout.
set -euo pipefail

build=$1
source_dir=$2
# shellcheck source=tests/package/common.sh
source "$(dirname "$0")/common.sh"
require_tools cmake cpack git tar
git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1 || { echo "skipped: not a git checkout"; exit 77; }
work=$build/source-package-test
rm -rf "$work"
mkdir -p "$work"

source_package() {  # CPACK_CONFIG OUT_DIR: runs CPack; lists the tarball's files, sorted, in OUT_DIR.files
    cpack --config "$1" -B "$2" >"$2.log" 2>&1 || { cat "$2.log"; fail "cpack"; }
    ! grep -Eq 'Warning|Error' "$2.log" || { cat "$2.log"; fail "CPack warned"; }
    local tarballs=("$2"/jaggo-*.tar.gz)
    [ ${#tarballs[@]} -eq 1 ] && [ -f "${tarballs[0]}" ] || fail "expected one source tarball: ${tarballs[*]}"
    tar -tzf "${tarballs[0]}" | sed -n "\\|/\$|!s|^$(basename "${tarballs[0]}" .tar.gz)/||p" | sort >"$2.files"
}

# This checkout: the tracked files that exist (a file deleted but not yet committed is not packed).
source_package "$build/CPackSourceConfig.cmake" "$work/here"
extra=$(comm -3 "$work/here.files" \
    <(cd "$source_dir" && git ls-files | while read -r f; do [ -e "$f" ] && echo "$f"; done | sort))
[ -z "$extra" ] || fail "the source package and git differ in: $extra"

# A clone under builds/, of the tracked files as they are now, committed or not.
clone=$work/builds/group/jaggo
state=$(git -C "$source_dir" stash create)
git clone --quiet --shared --no-checkout "$source_dir" "$clone"
git -C "$clone" -c advice.detachedHead=false checkout --quiet "${state:-$(git -C "$source_dir" rev-parse HEAD)}"
cmake -S "$clone" -B "$clone/build" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "cmake"; }
source_package "$clone/build/CPackSourceConfig.cmake" "$work/clone"
extra=$(comm -3 "$work/clone.files" <(git -C "$clone" ls-files | sort))
[ -z "$extra" ] || fail "under builds/, the source package and git differ in: $extra"

# An ignore rule that matches a tracked file fails the package instead of leaving the file out.
{ cat "$build/CPackSourceConfig.cmake"; echo 'list(APPEND CPACK_IGNORE_FILES "/README\\.md$")'; } >"$work/lacking.cmake"
! cpack --config "$work/lacking.cmake" -B "$work/lacking" >"$work/lacking.log" 2>&1 || fail "a package without README.md was made"
grep -q 'lacks.*README\.md' "$work/lacking.log" || { cat "$work/lacking.log"; fail "CPack did not name the file it lacked"; }
! ls "$work/lacking"/jaggo-*.tar.gz 2>/dev/null || fail "a tarball without README.md was left"
echo "source package: the $(wc -l <"$work/clone.files") files git tracks, here and under builds/"
