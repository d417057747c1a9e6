#!/usr/bin/env bash
# jaggo: installs the Debian packages that parts of the project need (Debian 12, 13 and testing).
# Usage: scripts/install-deps.sh [PART...]   with no PART, every part:
#   run      build jaggo and jaggo-verdict and run the latter, headless too (scripts/run.sh asks
#            for this alone)
#   test     the Linux tests, the benchmarks, the fuzzer and the package checks (with the Debian
#            package's build dependencies, which debian/control declares)
#   windows  the cross compiler, Wine, GoogleTest's sources, and GLFW's Windows DLL from the npm registry
#   fresh    the fresh-system check (debootstrap)
# Idempotent: installs only what is missing. Run as root, or as a user with sudo. Every failure
# is one line "install-deps: ..." on standard error (after apt's own last lines where apt failed)
# and a non-zero status. run and test are the core: what they need
# must install. windows and fresh are optional: where this release cannot install their packages
# (Debian testing has no Wine today) they are left out with one line saying why, and the test
# command skips them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# ---- The parts' packages, each listed once.
run_packages=(build-essential cmake python3 libglfw3-dev nlohmann-json3-dev libstb-dev libgl1-mesa-dri xvfb)
# Added to run only where the Xvfb offers no multisampled configuration and GLFW can run on
# Wayland (Debian 13): the headless run then uses weston nested in the Xvfb.
nested_packages=(weston)
test_packages=(pkg-config khronos-api libgtest-dev libgmock-dev libbenchmark-dev clang clang-format
    x11-utils xdotool xauth libgl-dev libopengl-dev libegl-dev libx11-dev weston file lintian git)
windows_packages=(g++-mingw-w64-x86-64 wine wine64 googletest)
fresh_packages=(debootstrap)

all_parts=(run test windows fresh)
fail() {
    echo "install-deps: $*" >&2
    exit 1
}

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=("${all_parts[@]}")
for part in "${parts[@]}"; do
    case " ${all_parts[*]} " in
        *" $part "*) ;;
        *) fail "unknown part '$part' (the parts: ${all_parts[*]})" ;;
    esac
done

# The fuzzer's runtime is packaged per clang major (libclang-rt-14-dev on Debian 12,
# libclang-rt-19-dev on 13): take the one that matches the release's clang, as installed
# or, before that, as the package lists offer it.
clang_runtime() {
    local depends
    depends=$(dpkg-query -W -f='${Depends}' clang 2>/dev/null) ||
        depends=$(apt-cache show --no-all-versions clang 2>/dev/null | sed -n 's/^Depends: //p') || true
    sed -n 's/.*\bclang-\([0-9][0-9]*\)\b.*/libclang-rt-\1-dev/p' <<<"$depends" | head -n 1
}

# The packages of a part, its derived ones included.
part_packages() {
    case "$1" in
        run) echo "${run_packages[*]}" ;;
        test) echo "${test_packages[*]} $(clang_runtime)" ;;
        windows)
            echo "${windows_packages[*]}"
            # npm fetches GLFW for Windows (below). Any npm will do; Debian's conflicts
            # with a Node.js installed from elsewhere.
            command -v npm >/dev/null || echo npm
            ;;
        fresh) echo "${fresh_packages[*]}" ;;
        nested) echo "${nested_packages[*]}" ;;
    esac
}

missing_of() {  # package... -> those not installed, one a line
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

sudo=()
updated=
apt_ready() {  # root (or sudo) and fresh package lists, once
    [ -z "$updated" ] || return 0
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || fail "packages are missing; not root and sudo is not installed: run this as root"
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
        fail "apt-get update failed (is the package mirror reachable?)"
    updated=1
}

apt_get() {  # install|build-dep argument...: apt's chatter is shown only when it fails
    local log
    log=$(mktemp)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get "$1" -y -qq --no-install-recommends "${@:2}" >"$log" 2>&1 ||
        { tail -n 20 "$log" >&2; rm -f "$log"; fail "apt-get $1 failed for: ${*:2}"; }
    rm -f "$log"
}

# Packages that apt can install here with their dependencies, or the reason it gives why not.
installable() {  # package...
    local out
    out=$(LC_ALL=C apt-get install --simulate --no-install-recommends "$@" 2>&1) && return 0
    grep -m 1 '^E: ' <<<"$out" | sed 's/^E: //' || echo "apt-get cannot install: $*"
    return 1
}

# ---- The packages of every part asked for, in one apt-get run.
to_install=()
kept=()
for part in "${parts[@]}"; do
    # shellcheck disable=SC2046  # one package a word
    mapfile -t missing < <(missing_of $(part_packages "$part"))
    if [ ${#missing[@]} -gt 0 ]; then
        apt_ready
        # Again with fresh lists: now the clang runtime can be named even before clang is installed.
        # shellcheck disable=SC2046
        mapfile -t missing < <(missing_of $(part_packages "$part"))
        [ "$part" != test ] || [ -n "$(clang_runtime)" ] ||
            fail "cannot tell which libclang-rt-N-dev goes with this release's clang"
        case "$part" in
            windows | fresh)
                if ! reason=$(installable "${missing[@]}"); then
                    echo "install-deps: leaving out the $part part, which this system cannot install: $reason"
                    continue
                fi
                ;;
        esac
        to_install+=("${missing[@]}")
    fi
    kept+=("$part")
done
if [ ${#to_install[@]} -gt 0 ]; then
    unknown=()
    for p in "${to_install[@]}"; do
        apt-cache show --no-all-versions "$p" >/dev/null 2>&1 || unknown+=("$p")
    done
    [ ${#unknown[@]} -eq 0 ] || fail "not available from this system's package sources: ${unknown[*]}"
    apt_get install "${to_install[@]}"
fi
kept_part() { case " ${kept[*]} " in *" $1 "*) return 0 ;; *) return 1 ;; esac; }

# ---- run: weston for the nested display, only where the display calls for it. A private
# Xvfb is asked what it offers, by the same code that makes the headless run's choice.
if kept_part run && ! kept_part test; then
    # shellcheck disable=SC2046
    mapfile -t missing < <(missing_of $(part_packages nested))
    if [ ${#missing[@]} -gt 0 ]; then
        status=0
        PYTHONPATH=$root/scripts python3 - <<'EOF' || status=$?
import sys
from jaggo_display import choose, xvfb
try:
    server, display = xvfb.start()
except xvfb.StartError as e:
    print("install-deps: cannot ask a private Xvfb what it offers: %s" % e, file=sys.stderr)
    sys.exit(2)
try:
    sys.exit(1 if choose.wants_nested(display) else 0)
finally:
    xvfb.stop(server)
EOF
        case "$status" in
            0) ;;
            1)
                echo "install-deps: this Xvfb offers no multisampling: adding weston for the nested display"
                apt_ready
                apt_get install "${missing[@]}"
                ;;
            2) exit 1 ;;  # its line is printed
            *) fail "the display check for the run part failed" ;;
        esac
    fi
fi

# ---- test: where the system's GLFW cannot run on Wayland (Debian 12's 3.3), Debian's Wayland build
# of it, unpacked (never installed: it conflicts with the X11 build) into build-deps/glfw-wayland for
# the Wayland test. apt-get download checks it against the signed package lists like any install.
fetch_glfw_for_wayland() {
    local dest=$root/build-deps/glfw-wayland name file
    PYTHONPATH=$root/scripts python3 -c 'import sys; from jaggo_display import choose
sys.exit(0 if choose.glfw_has_wayland() else 1)' && return 0
    name=$(apt-get download --print-uris libglfw3-wayland 2>/dev/null | awk '{ print $2 }') ||
        fail "test: apt-get cannot name Debian's libglfw3-wayland"
    [ -n "$name" ] || fail "test: apt-get cannot name Debian's libglfw3-wayland"
    [ -f "$dest/$name.unpacked" ] && return 0  # this very package, unpacked before
    rm -rf "$dest"
    mkdir -p "$dest"
    (cd "$dest" && apt-get download -q libglfw3-wayland >download.log 2>&1) ||
        { tail -n 3 "$dest/download.log" >&2; rm -rf "$dest"; fail "test: apt-get download libglfw3-wayland failed"; }
    file=$(ls "$dest"/*.deb)
    dpkg -x "$file" "$dest/root" && rm -f "$file" && touch "$dest/$name.unpacked" ||
        { rm -rf "$dest"; fail "test: unpacking $file failed"; }
}
if kept_part test; then
    fetch_glfw_for_wayland
fi

# ---- test: what building the Debian package needs, as debian/control declares it (the test
# command builds the package with dpkg-buildpackage).
if kept_part test && ! (cd "$root" && dpkg-checkbuilddeps >/dev/null 2>&1); then
    apt_ready
    apt_get build-dep "$root"
fi

# ---- windows: GLFW 3.1.2's Windows x64 build for the `windows` CMake preset. Two files and
# its licence, taken by path from the npm package node-glfw 0.4.6 (nothing else in that package
# is extracted) into build-deps/, which git ignores, and checked against the SHA-256 sums
# committed in cmake/glfw3-windows.sha256.
fetch_glfw_for_windows() {
    local dest=$root/build-deps/glfw-3.1.2-win64 sums=$root/cmake/glfw3-windows.sha256
    (cd "$dest" 2>/dev/null && sha256sum --quiet --check "$sums" >/dev/null 2>&1) && return 0
    (
        work=$(mktemp -d)
        trap 'rm -rf "$work"' EXIT
        if ! (cd "$work" && npm pack --loglevel=error --cache "$work/npm-cache" node-glfw@0.4.6 >"$work/npm.log" 2>&1); then
            # npm's own reason: the failed request where it names one, else its first error line.
            fail "windows: npm pack node-glfw@0.4.6 failed (GLFW for the Windows build): $(
                grep -m 1 -o 'request to .*' "$work/npm.log" || grep -m 1 -i 'err' "$work/npm.log" ||
                    tail -n 1 "$work/npm.log")"
        fi
        tar -xzf "$work"/node-glfw-0.4.6.tgz -C "$work" \
            package/deps/windows/lib/x64/glfw3.dll \
            package/deps/windows/lib/x64/glfw3dll.lib \
            package/deps/License-GLFW.txt || fail "windows: node-glfw-0.4.6.tgz lacks GLFW's files"
        mkdir -p "$work/files"
        cp "$work"/package/deps/windows/lib/x64/glfw3.dll "$work"/package/deps/windows/lib/x64/glfw3dll.lib \
            "$work"/package/deps/License-GLFW.txt "$work/files/"
        local expected file actual
        while read -r expected file; do
            actual=$(sha256sum "$work/files/$file" | cut -d' ' -f1)
            [ "$actual" = "$expected" ] ||
                fail "windows: $file from node-glfw@0.4.6 has SHA-256 $actual, expected $expected"
        done <"$sums"
        mkdir -p "$dest"
        cp "$work"/files/* "$dest"/
    )
}
if kept_part windows; then
    fetch_glfw_for_windows
fi
