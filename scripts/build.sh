#!/usr/bin/env bash
# jaggo: installs what running jaggo needs and builds the two programs alone (no tests, no -Werror) in
# build/, with the user's options: build/app/jaggo, and build/verdict/jaggo-verdict, which scripts/run.sh
# and scripts/sweep.sh run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
# The developer options stay off here whatever the folder held before: no tests, no -Werror.
cmake -S . -B build -DJAGGO_TESTS=OFF -DJAGGO_BENCH=OFF -DJAGGO_FUZZ=OFF -DJAGGO_WERROR=OFF >/dev/null
cmake --build build --target jaggo jaggo-verdict -j"$(nproc)" >/dev/null
