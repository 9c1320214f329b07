#!/usr/bin/env bash
# Installs what is missing, builds the program and shows a bundled sample template.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="${QM_BUILD_DIR:-$root/build}"  # QM_BUILD_DIR: another build folder
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF >/dev/null
if ! cmake --build "$build" -j"$(nproc)" >"$build/build.log" 2>&1; then
  cat "$build/build.log"
  exit 1
fi
sample="${1:-$build/samples/albion-armsman.qmc}"
cli="$build/cli/quillmark-cli"
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$build/app/quillmark" "$sample"
fi
# No display to show the window on: render it into a picture instead.
shot="$build/main-window.png"
QT_QPA_PLATFORM=offscreen "$build/app/quillmark" --screenshot "$shot" "$sample" 2>/dev/null
echo "No display available: the main window with $(basename "$sample") is in $shot"
echo
"$cli" show "$sample"
echo
"$cli" totals "$sample"
echo
"$cli" vault info "$build/master.qmv"
