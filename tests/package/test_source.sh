#!/usr/bin/env bash
# jaggo tests: the source package holds exactly the files git tracks: no build folder, no
# build-deps/ with its third-party DLL, nothing .gitignore names; and CPack reads its rules cleanly.
# Usage: test_source.sh BUILD_DIR SOURCE_DIR. Exits 77 (skipped) outside a git checkout.
set -euo pipefail

build=$1
source_dir=$2
# shellcheck source=tests/package/common.sh
source "$(dirname "$0")/common.sh"
require_tools cpack git tar
git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1 || { echo "skipped: not a git checkout"; exit 77; }
work=$build/source-package-test
rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackSourceConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
! grep -Eq 'Warning|Error' "$work/cpack.log" || { cat "$work/cpack.log"; fail "CPack warned"; }
tarballs=("$work"/jaggo-*.tar.gz)
[ ${#tarballs[@]} -eq 1 ] && [ -f "${tarballs[0]}" ] || fail "expected one source tarball: ${tarballs[*]}"
top=$(basename "${tarballs[0]}" .tar.gz)
# Tracked files that exist (a file deleted but not yet committed is not packed).
extra=$(comm -3 <(tar -tzf "${tarballs[0]}" | grep -v '/$' | sed "s|^$top/||" | sort) \
    <(cd "$source_dir" && git ls-files | while read -r f; do [ -e "$f" ] && echo "$f"; done | sort))
[ -z "$extra" ] || fail "the source package and git differ in: $extra"
echo "source package: $(basename "${tarballs[0]}"), the $(tar -tzf "${tarballs[0]}" | grep -vc '/$') files git tracks"
