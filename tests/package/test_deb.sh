#!/usr/bin/env bash
# jaggo tests: builds the Debian package from debian/ as Debian's builders do (dpkg-buildpackage),
# with the nocheck build option and profile, from a copy of the source tree as it is now: the
# build-time tests are left out here, as the fresh systems of the test command build the package
# with them (tools/fresh-check.sh). lintian must find no error or warning; checks its Depends line and
# its files, unpacks it into a scratch root and runs what it installed. Catches a debian/ that does
# not build without its tests, a package lintian rejects, a dependency on a GL library, and files
# missing or added.
# Usage: test_deb.sh SOURCE_DIR WORK_DIR.
set -euo pipefail

source_dir=$1
work=$2
# shellcheck source=tests/package/common.sh
source "$(dirname "$0")/common.sh"
require_tools dpkg-buildpackage dpkg-checkbuilddeps dpkg-deb lintian git readelf
(cd "$source_dir" && dpkg-checkbuilddeps) || missing "debian/control's build dependencies (above)"

# What is written twice must agree: the version (project() and the changelog's upstream part) and
# the licence (LICENSE and debian/copyright).
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
project=$(sed -n 's/^project(jaggo VERSION \([^ ]*\) .*/\1/p' "$source_dir/CMakeLists.txt")
[ "${version%-*}" = "$project" ] || fail "debian/changelog has $version, project() has $project"
licence=$(sed -n '/^Permission is hereby granted/,$p' "$source_dir/LICENSE")
copyright=$(sed -n '/^License: Expat$/,$p' "$source_dir/debian/copyright" | sed '1,/^ Permission/{/^ Permission/!d}' |
    sed 's/^ //; s/^\.$//')
[ "$licence" = "$copyright" ] || fail "debian/copyright's licence text differs from LICENSE"

# The tree's files, tracked and new alike; nothing .gitignore names (build folders, build-deps/).
rm -rf "$work"
mkdir -p "$work/src"
(cd "$source_dir" && git ls-files --cached --others --exclude-standard -z) |
    (cd "$source_dir" && while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done) |
    (cd "$source_dir" && xargs -0 cp --parents -t "$work/src")
(cd "$work/src" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b -j2 -Pnocheck) >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; fail "DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b -Pnocheck"; }
! grep -E 'tests passed|tests failed|Building CXX object tests/' "$work/build.log" || fail "nocheck built or ran tests"
arch=$(dpkg --print-architecture)
deb=$work/jaggo_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb; built: $(ls "$work")"
echo "package: $(basename "$deb")"

# Debian's own checks: any error or warning fails (informational tags do not).
report=$(lintian "$work/jaggo_${version}_$arch.changes" 2>&1 | grep -v 'running with root privileges') || true
[ -z "$report" ] || echo "$report"
! grep -Eq '^[EW]: ' <<<"$report" || fail "lintian reports errors or warnings"
echo "lintian: no errors or warnings"

# GLFW, either of Debian's builds, and the C runtime: no GL library.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -Eq '(^|, )libglfw3 \(>= 3\.3\) \| libglfw3-wayland \(>= 3\.3\)' <<<"$depends" ||
    fail "Depends does not offer libglfw3 (>= 3.3) | libglfw3-wayland (>= 3.3)"
IFS=',|' read -ra alternatives <<<"$depends"
for alt in "${alternatives[@]}"; do
    name=$(awk '{print $1}' <<<"$alt")
    case "$name" in
        libglfw3 | libglfw3-wayland | libc6 | libstdc++6 | libgcc-s1) ;;
        *) fail "unexpected dependency $name" ;;
    esac
done

# Exactly the two programs, their manual pages, the verdict's guide and what a Debian package
# carries beside them.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort | tr '\n' ' ')
expected="./usr/bin/jaggo ./usr/bin/jaggo-verdict ./usr/share/doc/jaggo/changelog.Debian.gz \
./usr/share/doc/jaggo/copyright ./usr/share/doc/jaggo/verdict.md.gz ./usr/share/lintian/overrides/jaggo \
./usr/share/man/man1/jaggo-verdict.1.gz ./usr/share/man/man1/jaggo.1.gz "
[ "$files" = "$expected" ] || fail "the package holds: $files"

root=$work/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin/jaggo
for page in jaggo:JAGGO jaggo-verdict:JAGGO-VERDICT; do
    zgrep -q "^\.TH ${page#*:} 1" "$root/usr/share/man/man1/${page%%:*}.1.gz" || fail "${page%%:*}.1 has no title line"
done
for program in "$bin" "$root/usr/bin/jaggo-verdict"; do
    needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    grep -q '^libglfw\.so\.3$' <<<"$needed" || fail "$(basename "$program") does not need libglfw.so.3: $needed"
    ! grep -Eq '^lib(GL|OpenGL|EGL|GLX|GLES)' <<<"$needed" || fail "$(basename "$program") links a GL library: $needed"
done

# The installed binary runs from the scratch root with the system's GLFW (its usage text itself is
# checked byte for byte by process_command_line).
status=0
out=$(env -u LD_LIBRARY_PATH -u LD_PRELOAD "$bin" -h) || status=$?
[ "$status" -eq 0 ] || fail "jaggo -h exited with $status"
[ "${out%%$'\n'*}" = "Usage: jaggo [-h] [-s SAMPLES] [-x]" ] || fail "jaggo -h printed: $out"
echo "installed jaggo -h: usage text, status 0"
