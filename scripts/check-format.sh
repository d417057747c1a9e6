#!/usr/bin/env bash
# jaggo: checks that every C++ source follows .clang-format; exits non-zero on any difference.
# Usage: scripts/check-format.sh [--fix]  (--fix rewrites the files in place instead).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is missing (scripts/install-deps.sh installs it)"
    exit 1
fi

# The program's and the tests' sources; the entry-point list is generated from gl.xml and left as generated.
mapfile -t files < <(find app decimal options matrix gl_loader tests bench -type f \
    \( -name '*.cpp' -o -name '*.h' \) ! -path gl_loader/gl_table.gen.h 2>/dev/null | sort)

if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "check-format: the files above differ from .clang-format; scripts/check-format.sh --fix rewrites them"
    exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
