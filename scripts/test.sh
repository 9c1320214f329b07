#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UBSan,
# runs every test and the real program under Xvfb to its exit, gives each fuzz
# target a short smoke run, then builds the Debian package and checks it
# unpacked.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc)"

build="$root/build-ci"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$jobs"
# The real program with its real dialogs under Xvfb, to its exit.
"$root/scripts/desktop-smoke.sh" "$build"

"$root/scripts/fuzz.sh" 5

"$root/scripts/check-package.sh"
