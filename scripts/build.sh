#!/usr/bin/env bash
# jaggo: installs what running jaggo needs and builds the program alone (no tests, no -Werror) in
# build/, with the user's options; what scripts/run.sh and scripts/sweep.sh run is build/app/jaggo.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
# The developer options stay off here whatever the folder held before: no tests, no -Werror.
cmake -S . -B build -DJAGGO_TESTS=OFF -DJAGGO_BENCH=OFF -DJAGGO_FUZZ=OFF -DJAGGO_WERROR=OFF >/dev/null
cmake --build build --target jaggo -j"$(nproc)" >/dev/null
