#!/usr/bin/env bash
# Installs what is missing, builds the program and shows a bundled sample template.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF >/dev/null
if ! cmake --build "$build" -j"$(nproc)" >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi
sample="${1:-$build/samples/albion-armsman.qmc}"
cli="$build/cli/quillmark-cli"
"$cli" show "$sample"
echo
"$cli" totals "$sample"
echo
"$cli" vault info "$build/master.qmv"
