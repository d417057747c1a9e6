#!/usr/bin/env bash
# jaggo: installs every Debian package the build, the tests and the demo need.
# Idempotent: apt-get skips what is already there. Run as root or with sudo.
set -euo pipefail

packages=(
    # build
    build-essential cmake pkg-config python3 libglfw3-dev khronos-api
    # tests: unit, fuzz, benchmark
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
    # real-window tests: X server, Mesa's software renderer, key and screenshot tools
    xvfb xauth x11-utils xdotool imagemagick libgl1-mesa-dri libgl-dev libegl-dev libx11-dev
    # Wayland tests: a headless compositor
    weston
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -ne 0 ]; then
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# ---- Windows: the mingw-w64 cross compiler, Wine to run its programs, and
# GLFW 3.1.2's Windows x64 build. GLFW comes as two files and its licence
# taken by path from the npm package node-glfw 0.4.6 (nothing else in that
# package is extracted) into build-deps/, which git ignores; the `windows`
# CMake preset finds them there.
install_windows_deps() {
    local want=(g++-mingw-w64-x86-64 wine wine64 googletest) need=() p
    for p in "${want[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || need+=("$p")
    done
    # Any npm will do; Debian's conflicts with a Node.js installed from elsewhere.
    command -v npm >/dev/null || need+=(npm)
    if [ ${#need[@]} -ne 0 ]; then
        local as_root=()
        [ "$(id -u)" -eq 0 ] || as_root=(sudo)
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
    fi

    local dest
    dest="$(cd "$(dirname "$0")/.." && pwd)/build-deps/glfw-3.1.2-win64"
    [ -f "$dest/glfw3.dll" ] && [ -f "$dest/glfw3dll.lib" ] && [ -f "$dest/License-GLFW.txt" ] && return 0
    local work
    work=$(mktemp -d)
    (cd "$work" && npm pack --silent --cache "$work/npm-cache" node-glfw@0.4.6 >/dev/null)
    tar -xzf "$work"/node-glfw-0.4.6.tgz -C "$work" \
        package/deps/windows/lib/x64/glfw3.dll \
        package/deps/windows/lib/x64/glfw3dll.lib \
        package/deps/License-GLFW.txt
    mkdir -p "$dest"
    cp "$work"/package/deps/windows/lib/x64/glfw3.dll "$work"/package/deps/windows/lib/x64/glfw3dll.lib \
        "$work"/package/deps/License-GLFW.txt "$dest"/
    rm -rf "$work"
}
install_windows_deps
