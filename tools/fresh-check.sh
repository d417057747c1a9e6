#!/usr/bin/env bash
# jaggo: runs the README's commands as a new user would, as root with no display, in a freshly made
# minimal Debian root of RELEASE with a clone of this checkout's committed HEAD: the plain build with
# nothing but the compiler, CMake, GLFW and the JSON library's header; the run command (jaggo-verdict
# judging its own framebuffer on a private display: status 0 only where the picture agrees); the
# Debian package as Debian builds, checks, installs and tests it (apt-get build-dep,
# dpkg-buildpackage, lintian, apt install, autopkgtest); then, with --tests, the test command, as
# under CI (a missing prerequisite fails): quick (its dev suite without the slow tests and the
# source checks), release (what can differ on another release: its compiler, GLFW, Mesa and clang
# in the format, dev and macOS suites, and its Wine and cross compiler in the Windows suite; the dev
# suite as quick runs it, since the package was built and tested above) or full (all of it but the
# fresh systems).
# Usage: tools/fresh-check.sh bookworm|trixie|forky [--tests none|quick|release|full]
#        (as root; needs debootstrap, chroot, git, python3)
#
# The base root (debootstrap --variant=minbase from the machine's configured mirror) is kept as
# a tarball in JAGGO_FRESH_CACHE (default /var/cache/jaggo-fresh), beside an apt archive folder
# that is bind-mounted into the root, so later runs download nothing twice. JAGGO_FRESH_MIRROR
# overrides the mirror. Every command is printed with its exit status and time, and with the
# packages it added and their installed size; any failure ends the run with one line
# "fresh-check RELEASE: FAILED: ..." and a non-zero status, and the root is unmounted and removed
# on every way out. The run command must add none of the test or Windows parts' packages, and
# runs with the npm registry pointed at a closed port: it must not need it.
#
# forky is Debian testing. The machine's mirror may be a frozen copy whose testing Release file
# has passed its Valid-Until date: the forky root (only it) is told not to check that date.

# The whole script is one block, read before it runs: editing the file meanwhile cannot change a run.
{
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
started=$SECONDS

usage="tools/fresh-check.sh bookworm|trixie|forky [--tests none|quick|release|full]"
release=${1:-}
case "$release" in
    bookworm | trixie | forky) ;;
    *)
        echo "fresh-check: FAILED: unknown release '$release' (usage: $usage)"
        exit 2
        ;;
esac
tests=none
if [ $# -gt 1 ]; then
    [ "$2" = --tests ] && [ $# -eq 3 ] && [[ " none quick release full " == *" $3 "* ]] ||
        { echo "fresh-check: FAILED: bad arguments '${*:2}' (usage: $usage)"; exit 2; }
    tests=$3
fi
tag="fresh-check $release"

fail() {
    echo "$tag: FAILED: $*"
    exit 1
}

# step DESCRIPTION COMMAND...: runs the command, then prints its status and time. The command
# runs as a process group of its own, so that an interrupt can end all of it at once.
step_pid=
step() {
    local what=$1 start=$SECONDS status=0
    shift
    echo "$tag: \$ $what"
    setsid "$@" &
    step_pid=$!
    wait "$step_pid" || status=$?
    step_pid=
    echo "$tag: -> status $status in $((SECONDS - start))s: $what"
    return "$status"
}

[ "$(id -u)" -eq 0 ] || fail "must run as root (it mounts file systems and uses chroot)"
for tool in debootstrap chroot git python3 mount umount tar; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# The mirror of the machine's own Debian entries: one-line or deb822 sources, security archive skipped.
mirror=${JAGGO_FRESH_MIRROR:-}
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /\]$/) { print $i; break } }' |
        grep -v security | head -n 1) || true
fi
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
        awk '$1 == "URIs:" { print $2 }' | grep -v security | head -n 1) || true
fi
[ -n "$mirror" ] || fail "no Debian mirror found in /etc/apt/sources.list or /etc/apt/sources.list.d"
mirror=${mirror%/}

# A mirror that cannot be reached is named at once, not after a long debootstrap or apt-get.
probe="import sys, urllib.request
try:
    urllib.request.urlopen(sys.argv[1], timeout=20).read(64)
except Exception as e:
    print(e)
    sys.exit(1)"
reason=$(python3 -c "$probe" "$mirror/dists/$release/Release" 2>&1) ||
    fail "mirror $mirror unreachable or without $release: $reason"

cache=${JAGGO_FRESH_CACHE:-/var/cache/jaggo-fresh}
base=$cache/$release-minbase.tar
archives=$cache/$release-archives
mkdir -p "$cache" "$archives/partial" || fail "cannot create the cache folder $cache"

root=$(mktemp -d "/var/tmp/jaggo-fresh-$release.XXXXXX")
mounts=()

# Ends what still runs in the root, unmounts in reverse order and removes the root only
# when nothing is mounted under it any more.
cleanup() {
    local status=$? pid i left
    trap - EXIT INT TERM
    if [ -n "$step_pid" ]; then
        kill -TERM -- "-$step_pid" 2>/dev/null || true
        wait "$step_pid" 2>/dev/null || true
    fi
    # Again until none is left: a process may start another while the first pass runs.
    for _ in 1 2 3 4 5; do
        left=
        for pid in /proc/[0-9]*; do
            [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] || continue
            kill -9 "${pid#/proc/}" 2>/dev/null && left=1
        done
        [ -n "$left" ] || break
        sleep 0.5
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" ||
            echo "$tag: could not unmount ${mounts[i]}"
    done
    left=$(awk -v r="$root/" 'index($2 "/", r) == 1 { print $2 }' /proc/self/mounts)
    if [ -n "$left" ]; then
        echo "$tag: still mounted, $root left in place: $left"
        [ "$status" -ne 0 ] || status=1
    else
        rm -rf --one-file-system "$root"
    fi
    echo "$tag: total $((SECONDS - started))s, status $status"
    exit "$status"
}
trap cleanup EXIT
trap 'echo "$tag: FAILED: interrupted"; exit 130' INT
trap 'echo "$tag: FAILED: terminated"; exit 143' TERM

if [ -f "$base" ]; then
    step "tar -xf $base (cached minimal root)" tar -C "$root" -xpf "$base" ||
        fail "unpacking the cached root $base (delete it to make a new one)"
else
    log=$cache/$release-debootstrap.log
    # A debootstrap older than the release knows no script by its name: testing's is sid's.
    script=()
    [ -e "/usr/share/debootstrap/scripts/$release" ] || script=(/usr/share/debootstrap/scripts/sid)
    step "debootstrap --variant=minbase $release $root $mirror ${script[*]} (log: $log)" \
        bash -c 'exec "${@:2}" >"$1" 2>&1' _ "$log" debootstrap --variant=minbase "$release" "$root" "$mirror" \
        "${script[@]}" ||
        { tail -n 5 "$log"; fail "debootstrap of $release from $mirror (log: $log)"; }
    step "tar -cf $base (caching the minimal root)" \
        tar -C "$root" --one-file-system -cpf "$base.new" . ||
        fail "caching the minimal root as $base"
    mv "$base.new" "$base"
fi
chmod 755 "$root"  # a root's / is world-readable: apt's _apt user and the tests' users walk it
if [ "$release" = forky ]; then
    echo 'Acquire::Check-Valid-Until "false";  // the mirror may be a frozen copy of testing' \
        >"$root/etc/apt/apt.conf.d/99jaggo-fresh-check"
fi

# The committed HEAD of this checkout, not its working tree.
head=$(git -C "$repo" rev-parse HEAD) || fail "$repo is not a git checkout"
step "git clone $repo and check out $head" \
    bash -c 'git clone -q --no-checkout "$1" "$2" && git -C "$2" checkout -q --detach "$3"' \
    _ "$repo" "$root/root/jaggo" "$head" || fail "cloning $repo into the root"

bind() {  # source, target inside the root, mount options...
    local target=$root$2
    mkdir -p "$target"
    mount "${@:3}" "$1" "$target" || fail "mounting $2 into the root"
    mounts+=("$target")
}
# The root becomes a private mount of its own first, so nothing mounted below it reaches the host.
bind "$root" "" --bind
mount --make-private "$root" || fail "making the root a private mount"
bind proc /proc -t proc
bind sysfs /sys -t sysfs
bind /dev /dev --bind
bind /dev/pts /dev/pts --bind
bind tmpfs /dev/shm -t tmpfs
bind "$archives" /var/cache/apt/archives --bind
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# The host's own certificate authorities come along like its resolver: where a
# TLS-inspecting proxy stands between this machine and the npm registry, the
# root reaches it only by trusting the same CA. ca-certificates, when a package
# pulls it in, adds them to the root's store.
mkdir -p "$root/usr/local/share/ca-certificates"
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true

# A new root shell: a clean environment, no display, no sudo.
in_root=(chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)

# The root's installed packages with their installed size in KiB, one "name size" a line.
installed() {
    chroot "$root" dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Installed-Size}\n' |
        awk '$1 == "ii" { print $2, ($3 == "" ? 0 : $3) }' | sort
}
# counted DESCRIPTION COMMAND...: step, then what the command added to the root; the names go to
# $added (one a line).
added=
counted() {
    local before status=0
    before=$(installed)
    step "$@" || status=$?
    added=$(comm -13 <(echo "$before") <(installed))
    echo "$tag: -> added $(grep -c . <<<"$added") packages, $(awk '{ kib += $2 } END { printf "%.0f", kib / 1024 }' \
        <<<"$added") MiB installed: $1"
    return "$status"
}

# The README's plain build first, with nothing installed but the compiler, CMake, GLFW, the
# header-only JSON library that jaggo-verdict's -j output is written with and stb's headers, whose
# PNG writer its -p pictures are written with. It builds in build/, the
# folder scripts/run.sh builds in with the same options (the defaults), so that the run command
# then finds its programs built instead of compiling them a second time.
counted "apt-get install build-essential cmake libglfw3-dev nlohmann-json3-dev libstb-dev" "${in_root[@]}" bash -c \
    'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        build-essential cmake libglfw3-dev nlohmann-json3-dev libstb-dev >/dev/null' ||
    fail "installing the plain build's packages"
step "cmake -S . -B build && cmake --build build (no GoogleTest or benchmark package)" \
    "${in_root[@]}" bash -c 'cd /root/jaggo && for p in libgtest-dev libgmock-dev libbenchmark-dev; do
            ! dpkg -s "$p" >/dev/null 2>&1 || { echo "$p is installed"; exit 1; }; done &&
        cmake -S . -B build >/dev/null && cmake --build build -j2 >/dev/null' ||
    fail "the plain build"
counted "scripts/run.sh (the npm registry closed)" "${in_root[@]}" NPM_CONFIG_REGISTRY=http://127.0.0.1:9/ \
    bash -c 'cd /root/jaggo && scripts/run.sh' ||
    fail "scripts/run.sh (the README's first command)"
extra=$(awk '{ print $1 }' <<<"$added" |
    grep -E '^(wine|wine64|.*mingw.*|npm|node-.*|nodejs|clang|clang-[0-9]+|googletest|libgtest-dev|lintian|debootstrap)(:.*)?$' |
    tr '\n' ' ') || true
[ -z "$extra" ] || fail "scripts/run.sh installed what only the tests or the Windows part need: $extra"

# The Debian package, as Debian's tools build, check, install and test it. It is built beside the
# clone (dpkg-buildpackage writes to the folder above the tree).
counted "apt-get build-dep ./" "${in_root[@]}" bash -c 'cd /root/jaggo &&
    DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends ./ >/dev/null' ||
    fail "apt-get build-dep ./ (debian/control's Build-Depends)"
step "dpkg-buildpackage -us -uc -b (log: /root/dpkg-buildpackage.log in the root)" "${in_root[@]}" bash -c \
    'cd /root/jaggo && dpkg-buildpackage -us -uc -b >/root/dpkg-buildpackage.log 2>&1' ||
    { tail -n 30 "$root/root/dpkg-buildpackage.log"; fail "dpkg-buildpackage -us -uc -b"; }
# The build-time tests must have run: this is where the test command runs them as a package build
# does (its host's package_deb builds without them).
ran=$(grep -E 'tests passed|tests failed' "$root/root/dpkg-buildpackage.log") || fail "the package's build ran no tests"
sed "s/^/$tag: build-time tests: /" <<<"$ran"
counted "apt-get install lintian" "${in_root[@]}" bash -c \
    'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian >/dev/null' ||
    fail "installing lintian"
step "lintian jaggo_*.changes (no E: or W: line may follow)" "${in_root[@]}" bash -c \
    'cd /root && lintian jaggo_*.changes >lintian.log 2>&1; cat lintian.log; ! grep -Eq "^[EW]: " lintian.log' ||
    fail "lintian reports errors or warnings"
counted "apt install ./jaggo_*.deb" "${in_root[@]}" bash -c 'cd /root &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ./jaggo_*_*.deb >/dev/null' ||
    fail "apt install ./jaggo_*.deb"
echo "$tag: installed: $(chroot "$root" dpkg-query -W -f='jaggo ${Version}, Depends: ${Depends}' jaggo)"
counted "apt-get install autopkgtest" "${in_root[@]}" bash -c \
    'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends autopkgtest >/dev/null' ||
    fail "installing autopkgtest"
step "autopkgtest --no-built-binaries ./ -- null (the installed package, the tree's debian/tests)" \
    "${in_root[@]}" bash -c 'cd /root/jaggo && autopkgtest --no-built-binaries ./ -- null' ||
    fail "autopkgtest"

case "$tests" in
    quick)
        counted "CI=true JAGGO_SKIP_FRESH=1 JAGGO_SUITES=dev JAGGO_QUICK=1 scripts/test.sh" "${in_root[@]}" bash -c \
            'cd /root/jaggo && CI=true JAGGO_SKIP_FRESH=1 JAGGO_SUITES=dev JAGGO_QUICK=1 scripts/test.sh' ||
            fail "scripts/test.sh (the README's test command, its quick dev suite)"
        ;;
    release)
        counted "CI=true JAGGO_SKIP_FRESH=1 JAGGO_SUITES='format dev windows macos' JAGGO_QUICK=1 scripts/test.sh" \
            "${in_root[@]}" bash -c 'cd /root/jaggo && CI=true JAGGO_SKIP_FRESH=1 \
                JAGGO_SUITES="format dev windows macos" JAGGO_QUICK=1 scripts/test.sh' ||
            fail "scripts/test.sh (the README's test command, the suites a release can change)"
        ;;
    full)
        counted "CI=true JAGGO_SKIP_FRESH=1 scripts/test.sh" "${in_root[@]}" bash -c \
            'cd /root/jaggo && CI=true JAGGO_SKIP_FRESH=1 scripts/test.sh' ||
            fail "scripts/test.sh (the README's test command)"
        ;;
esac
echo "$tag: passed (the test command: $tests)"
exit 0
}
