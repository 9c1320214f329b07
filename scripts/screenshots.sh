#!/usr/bin/env bash
# Renders the main window offscreen into docs/screenshots: once as it starts,
# once with a sample template loaded.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
program="$build/app/quillmark"
if [[ ! -x "$program" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target quillmark qm_sample_files >/dev/null
fi
out="$root/docs/screenshots"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
"$program" --screenshot "$out/main-window.png"
"$program" --screenshot "$out/main-window-template.png" "$build/samples/albion-armsman.qmc"
for tab in load editor spellcraft; do
  "$program" --screenshot "$out/workbench-$tab.png" --window "workbench:9:$tab"
done
echo "wrote $out/main-window.png, $out/main-window-template.png and $out/workbench-*.png"
