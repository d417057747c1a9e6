# jaggo tests: what a shell test does when it lacks a prerequisite, sourced by the shell tests.
# Outside CI it skips (status 77) naming what is missing; under CI (CI set), where
# scripts/install-deps.sh has installed every prerequisite, a missing one is a failure that names it.

missing() {  # what
    if [ -n "${CI:-}" ]; then
        echo "FAILED: a prerequisite is missing under CI: $*"
        exit 1
    fi
    echo "skipped: $* is missing"
    exit 77
}

require_tools() {  # tool...
    local tool lacking=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null || lacking+=("$tool")
    done
    [ ${#lacking[@]} -eq 0 ] || missing "${lacking[*]}"
}
