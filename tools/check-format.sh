#!/usr/bin/env bash
# jaggo: checks that every C++ source follows .clang-format; exits non-zero on any difference.
# Usage: tools/check-format.sh [--fix]  (--fix rewrites the files in place instead).
#
# clang-format's output changes between its major versions. The code is written so that the
# versions of Debian 12, 13 and 14 (14, 19 and 21) all leave it as it is, and the check runs on
# those; on any other version it says so and skips, rather than fail on a formatter's change of mind.
set -euo pipefail
cd "$(dirname "$0")/.."
checked_versions="14 19 21"

if ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is missing (scripts/install-deps.sh test installs it)"
    exit 1
fi
major=$(clang-format --version | sed -n 's/.*clang-format version \([0-9][0-9]*\)\..*/\1/p')
if [ "${1:-}" != --fix ] && [[ " $checked_versions " != *" $major "* ]]; then
    echo "check-format: SKIPPED: clang-format ${major:-of unknown version} is not one the code is checked with ($checked_versions)"
    exit 0
fi

# The program's and the tests' sources; the entry-point list is generated from gl.xml and left as generated.
mapfile -t files < <(find app decimal options matrix gl_loader picture verdict tests bench -type f \
    \( -name '*.cpp' -o -name '*.h' \) ! -path gl_loader/gl_table.gen.h 2>/dev/null | sort)

if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "check-format: the files above differ from .clang-format (clang-format $major); tools/check-format.sh --fix rewrites them"
    exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format (clang-format $major)"
