#!/usr/bin/env bash
# Renders the windows offscreen into docs/screenshots: the main window as it
# starts and with a sample template loaded, the workbench's tabs, then the
# vault browser, the report and the salvage calculator over that template, and
# the comparison of two sample templates.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
program="$build/app/quillmark"
if [[ ! -x "$program" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target quillmark qm_sample_files >/dev/null
fi
out="$root/docs/screenshots"
# The pictures show the bundled sample vault, whatever vault of its own this machine has.
export XDG_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
"$program" --screenshot "$out/main-window.png"
"$program" --screenshot "$out/main-window-template.png" "$build/samples/albion-armsman.qmc"
for tab in load editor; do
  "$program" --screenshot "$out/workbench-$tab.png" --window "workbench:9:$tab"
done
# The spellcraft tab on a chest charged five points over its capacity, so the
# overcharge success shows below 100%.
"$program" --screenshot "$out/workbench-spellcraft.png" --window "workbench:9:spellcraft" \
  "$build/samples/albion-overcharged.qmc"
for window in browser report salvage; do
  "$program" --screenshot "$out/$window.png" --window "$window" "$build/samples/albion-armsman.qmc"
done
# The warrior against the armsman: a few figures worse, most better.
"$program" --screenshot "$out/compare.png" --window "compare:$build/samples/albion-armsman.qmc" \
  --size 900x700 "$build/samples/midgard-warrior.qmc"
# The About box at about the size it opens at.
"$program" --screenshot "$out/about.png" --window about --size 720x260
# The import window after importing the test fixtures of every kind of item source.
fixtures="$root/tests/interop/data"
"$program" --screenshot "$out/import.png" --window \
  "import:$fixtures/official,$fixtures/chatlog,$fixtures/emulator,$fixtures/moras,$fixtures/kort"
# The quickbar export previewing the overcharged chest's gems onto a character file.
"$program" --screenshot "$out/quickbar.png" --window "quickbar:$fixtures/game_ini/character.ini" \
  --size 900x500 "$build/samples/albion-overcharged.qmc"
# The optimizer over the armsman: its slots, its goal, a search under way and a proposal.
for state in "" goal running result; do
  "$program" --screenshot "$out/optimize${state:+-$state}.png" --window "optimize${state:+:$state}" \
    --size 1000x720 "$build/samples/albion-armsman.qmc"
done
# A Zenkcraft template given on the command line, read as a new template.
"$program" --screenshot "$out/main-window-zenkcraft.png" "$fixtures/zenkcraft/every_slot.znk"
echo "wrote $out/main-window.png, $out/main-window-template.png, $out/workbench-*.png,"
echo "  $out/browser.png, $out/report.png, $out/salvage.png, $out/compare.png, $out/about.png, $out/import.png,"
echo "  $out/quickbar.png, $out/optimize*.png and $out/main-window-zenkcraft.png"
