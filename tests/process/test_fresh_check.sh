#!/usr/bin/env bash
# jaggo tests: tools/fresh-check.sh ends with one clear line and a non-zero status on a bad
# release, an unreachable mirror and a failed debootstrap, leaving no root behind.
# Usage: test_fresh_check.sh SOURCE_DIR. Exits 77 (skipped) when not root or without debootstrap.
set -euo pipefail

script=$1/tools/fresh-check.sh
# shellcheck source=tests/harness/prerequisites.sh
source "$(dirname "$0")/../harness/prerequisites.sh"
[ "$(id -u)" -eq 0 ] || missing "root (fresh-check.sh mounts and uses chroot)"
require_tools debootstrap git python3

work=$(mktemp -d)
server=
trap '[ -z "$server" ] || kill "$server"; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Roots of fresh-check runs beside this one (or around it) are not this test's to judge.
roots() { { ls -d /var/tmp/jaggo-fresh-* 2>/dev/null; grep -o ' /var/tmp/jaggo-fresh-[^ ]*' /proc/self/mounts; } | sort || true; }
roots_before=$(roots)

# expect STATUS PATTERN [VAR=VALUE...]: the run's last line matches PATTERN and says FAILED.
expect() {
    local status=$1 pattern=$2 out got=0
    shift 2
    out=$(env JAGGO_FRESH_CACHE="$work/cache" "$@" "$script" trixie 2>&1) || got=$?
    echo "$out" | sed 's/^/    /'
    [ "$got" -eq "$status" ] || fail "status $got, expected $status"
    grep -q "FAILED: .*$pattern" <<<"$out" || fail "no FAILED line naming '$pattern'"
    [ "$(grep -c FAILED <<<"$out")" -eq 1 ] || fail "more than one FAILED line"
}

echo "unreachable mirror:"
expect 1 "mirror http://127.0.0.1:9/debian unreachable" JAGGO_FRESH_MIRROR=http://127.0.0.1:9/debian

# A mirror that answers but whose Release file is not signed: debootstrap itself fails.
mkdir -p "$work/mirror/dists/trixie"
echo "not a Release file" >"$work/mirror/dists/trixie/Release"
# -u: the line naming the port must reach the log at once, not when Python's buffer fills.
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/mirror" 0 >"$work/http.log" 2>&1 &
server=$!
port=
for _ in $(seq 300); do  # until the server names its port; the bound (30 s) only stops a hang
    port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$work/http.log" | head -n 1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || fail "the local HTTP server did not start"
echo "failed debootstrap:"
expect 1 "debootstrap of trixie" JAGGO_FRESH_MIRROR="http://127.0.0.1:$port"
[ ! -e "$work/cache/trixie-minbase.tar" ] || fail "a failed debootstrap was cached"

echo "unknown release:"
out=$("$script" squeeze 2>&1) && fail "an unknown release passed"
grep -q "FAILED: unknown release 'squeeze'" <<<"$out" || fail "no line naming the unknown release: $out"

[ "$(roots)" = "$roots_before" ] || fail "roots left behind or mounted: $(roots)"
echo "fresh-check: every failure named, nothing left behind"
