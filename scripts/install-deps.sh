#!/usr/bin/env bash
# jaggo: installs every Debian package the build, the tests and the demo need, on Debian 12 or 13.
# Idempotent: installs only what is missing. Run as root, or as a user with sudo.
set -euo pipefail

packages=(
    # build
    build-essential cmake pkg-config python3 libglfw3-dev khronos-api
    # tests: unit, fuzz (its clang runtime is added below), benchmark, format
    libgtest-dev libgmock-dev libbenchmark-dev clang clang-format
    # real-window tests: X server, Mesa's software renderer, key and screenshot tools, GL/EGL probes
    xvfb xauth x11-utils xdotool imagemagick libgl1-mesa-dri libgl-dev libopengl-dev libegl-dev libx11-dev
    # Wayland tests: a compositor
    weston
    # package test: CPack's file type check and Debian's package checker
    file lintian
    # the fresh-system check of the test command
    debootstrap
    # Windows: the mingw-w64 cross compiler, Wine to run its programs, GoogleTest's sources
    g++-mingw-w64-x86-64 wine wine64 googletest
)
# npm fetches GLFW for Windows (below). Any npm will do; Debian's conflicts with a
# Node.js installed from elsewhere.
command -v npm >/dev/null || packages+=(npm)

# The fuzzer's runtime is packaged per clang major (libclang-rt-14-dev on Debian 12,
# libclang-rt-19-dev on 13): take the one that matches the release's clang, as installed
# or, before that, as the package lists offer it.
clang_runtime() {
    local depends
    depends=$(dpkg-query -W -f='${Depends}' clang 2>/dev/null) ||
        depends=$(apt-cache show --no-all-versions clang 2>/dev/null | sed -n 's/^Depends: //p') || true
    sed -n 's/.*\bclang-\([0-9][0-9]*\)\b.*/libclang-rt-\1-dev/p' <<<"$depends" | head -n 1
}

missing_packages() {
    local p
    for p in "${packages[@]}" $(clang_runtime); do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

mapfile -t missing < <(missing_packages)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "install-deps: missing ${missing[*]}; not root and sudo is not installed: run this as root"
            exit 1
        }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq || {
        echo "install-deps: apt-get update failed (is the package mirror reachable?)"
        exit 1
    }
    # Again with fresh lists: now the clang runtime can be named even before clang is installed.
    mapfile -t missing < <(missing_packages)
    [ -n "$(clang_runtime)" ] || {
        echo "install-deps: cannot tell which libclang-rt-N-dev goes with this release's clang"
        exit 1
    }
    unknown=()
    for p in "${missing[@]}"; do
        apt-cache show --no-all-versions "$p" >/dev/null 2>&1 || unknown+=("$p")
    done
    if [ ${#unknown[@]} -gt 0 ]; then
        echo "install-deps: not available from this system's package sources: ${unknown[*]}"
        exit 1
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || {
        echo "install-deps: apt-get install failed for: ${missing[*]}"
        exit 1
    }
fi

# ---- GLFW 3.1.2's Windows x64 build for the `windows` CMake preset. It comes as
# two files and its licence taken by path from the npm package node-glfw 0.4.6
# (nothing else in that package is extracted) into build-deps/, which git ignores.
fetch_glfw_for_windows() {
    local dest
    dest="$(cd "$(dirname "$0")/.." && pwd)/build-deps/glfw-3.1.2-win64"
    [ -f "$dest/glfw3.dll" ] && [ -f "$dest/glfw3dll.lib" ] && [ -f "$dest/License-GLFW.txt" ] && return 0
    local work
    work=$(mktemp -d)
    (cd "$work" && npm pack --loglevel=error --cache "$work/npm-cache" node-glfw@0.4.6 >/dev/null) || {
        echo "install-deps: npm pack node-glfw@0.4.6 failed (GLFW for the Windows build)"
        exit 1
    }
    tar -xzf "$work"/node-glfw-0.4.6.tgz -C "$work" \
        package/deps/windows/lib/x64/glfw3.dll \
        package/deps/windows/lib/x64/glfw3dll.lib \
        package/deps/License-GLFW.txt
    mkdir -p "$dest"
    cp "$work"/package/deps/windows/lib/x64/glfw3.dll "$work"/package/deps/windows/lib/x64/glfw3dll.lib \
        "$work"/package/deps/License-GLFW.txt "$dest"/
    rm -rf "$work"
}
fetch_glfw_for_windows
