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
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
