#!/usr/bin/env bash
# jaggo tests: builds the Debian package, checks it with lintian (when installed), unpacks it
# into a scratch root and runs what it installed.
# Usage: test_deb.sh BUILD_DIR SANITIZE. Exits 77 (skipped) for a sanitizer build or without dpkg.
set -euo pipefail

build=$1
sanitize=$2
case "$sanitize" in
    ON | on | TRUE | true | 1 | YES | yes)
        echo "skipped: a package of the sanitizer build would not run without its runtime"
        exit 77
        ;;
esac
# shellcheck source=tests/package/common.sh
source "$(dirname "$0")/common.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps readelf
build_package DEB
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
echo "package: $deb"

[ "$(dpkg-deb -f "$deb" Package)" = jaggo ] || fail "package name"
maintainer=$(sed -n 's/^JAGGO_MAINTAINER:STRING=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] || fail "Maintainer is not the configured '$maintainer'"

# Debian's own checks: any error or warning fails (informational tags do not).
if command -v lintian >/dev/null; then
    report=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges') || true
    [ -z "$report" ] || echo "$report"
    ! grep -Eq '^[EW]: ' <<<"$report" || fail "lintian reports errors or warnings"
    echo "lintian: no errors or warnings"
else
    echo "lintian is not installed: the package is not checked by it"
fi

# Depends: GLFW (either of Debian's builds) and the C runtime, no GL library.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -Eq '(^|, )libglfw3 \(>= 3\.3\)' <<<"$depends" || fail "Depends does not name libglfw3 (>= 3.3)"
IFS=',|' read -ra alternatives <<<"$depends"
for alt in "${alternatives[@]}"; do
    name=$(awk '{print $1}' <<<"$alt")
    case "$name" in
        libglfw3 | libglfw3-wayland | libc6 | libstdc++6 | libgcc-s1) ;;
        *) fail "unexpected dependency $name" ;;
    esac
done

# Exactly the program, its manual page and the files only a Debian package has.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort | tr '\n' ' ')
expected="./usr/bin/jaggo ./usr/share/doc/jaggo/changelog.Debian.gz ./usr/share/doc/jaggo/copyright \
./usr/share/lintian/overrides/jaggo ./usr/share/man/man1/jaggo.1.gz "
[ "$files" = "$expected" ] || fail "the package holds: $files"

root=$work/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin/jaggo
[ -x "$bin" ] || fail "usr/bin/jaggo is not in the package"
zgrep -q '^\.TH JAGGO 1' "$root/usr/share/man/man1/jaggo.1.gz" ||
    fail "usr/share/man/man1/jaggo.1.gz is not in the package or has no title line"

# The program links GLFW, never a GL library itself.
needed=$(readelf -d "$bin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
grep -q '^libglfw\.so\.3$' <<<"$needed" || fail "jaggo does not need libglfw.so.3: $needed"
if grep -Eq '^lib(GL|OpenGL|EGL|GLX|GLES)' <<<"$needed"; then
    fail "jaggo links a GL library: $needed"
fi

# The installed binary runs from the scratch root with the system's GLFW.
expected=$(printf 'Usage: jaggo [-h] [-s SAMPLES] [-x]\n  \n -h this help info \n -s request number of samples \n -x list of OpenGL extentions \n.')
status=0
out=$(env -u LD_LIBRARY_PATH -u LD_PRELOAD "$bin" -h; printf .) || status=$?
[ "$status" -eq 0 ] || fail "jaggo -h exited with $status"
[ "$out" = "$expected" ] || fail "jaggo -h printed: $out"
echo "installed jaggo -h: usage text, status 0"
