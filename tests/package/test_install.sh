#!/usr/bin/env bash
# jaggo tests: a plain `cmake --install` places the two programs, their manual pages and its licence, and
# nothing only a Debian package has (copyright in Debian's format, changelog, lintian override).
# Usage: test_install.sh BUILD_DIR.
set -euo pipefail

build=$1
# shellcheck source=tests/package/common.sh
source "$(dirname "$0")/common.sh"
work=$build/install-test
rm -rf "$work"
DESTDIR=$work/root cmake --install "$build" --prefix /usr/local >"$work.log" 2>&1 || { cat "$work.log"; fail "cmake --install"; }
files=$(cd "$work/root" && find . -type f | sort | tr '\n' ' ')
expected="./usr/local/bin/jaggo ./usr/local/bin/jaggo-verdict ./usr/local/share/doc/jaggo/LICENSE \
./usr/local/share/man/man1/jaggo-verdict.1.gz ./usr/local/share/man/man1/jaggo.1.gz "
[ "$files" = "$expected" ] || fail "the install placed: $files"
zcat "$work/root/usr/local/share/man/man1/jaggo.1.gz" | grep -q "^\.TH JAGGO 1 \"[0-9-]*\" \"jaggo [0-9.]*\"" ||
    fail "the manual page has no title line with the date and version"
echo "plain install: $files"
