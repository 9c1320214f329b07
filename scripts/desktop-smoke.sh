#!/usr/bin/env bash
# The real desktop program with its real dialogs, under Xvfb, driven from
# the keyboard as a player would: it loads a sample template, opens and
# closes every sub-window the program lists with a keyboard road
# ("quillmark --list-windows": the report, the vault browser, the salvage
# calculator, the options, the comparison with the saved file, ...), takes a
# keystroke in the name box, then exits through the File menu, answering
# the close question with "Exit". It must end by itself with exit code 0;
# a program built with the sanitizers also reports any memory fault there.
#   scripts/desktop-smoke.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
program="$build/app/quillmark"
template="$build/samples/albion-armsman.qmc"
for need in xvfb-run xdotool; do
  command -v "$need" >/dev/null || { echo "desktop-smoke: $need is missing" >&2; exit 2; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Settings of its own: no first-run notice waits for a click, and the
# player's own settings stay untouched.
mkdir -p "$work/config/Quillmark"
: >"$work/config/Quillmark/Quillmark.ini"
# NAME<TAB>KEYS<TAB>CAPTION per window, from the program's own window table.
"$program" --list-windows >"$work/windows"
[[ -s "$work/windows" ]] || { echo "desktop-smoke: the program lists no windows" >&2; exit 1; }
cat >"$work/drive.sh" <<'DRIVE'
set -uo pipefail
program="$1" template="$2" log="$3" windows="$4"
"$program" "$template" >"$log" 2>&1 &
pid=$!
step() { echo "desktop-smoke: $*" >>"$log"; }
# Waits until a visible window of the program has this title (a pattern)
# and prints its id; the caption the desktop shows must then be the title
# itself, with nothing added.
shown() {
  local id caption
  id="$(timeout 30 xdotool search --all --sync --onlyvisible --pid "$pid" --name "^$1\$" | head -n 1)"
  [[ -n "$id" ]] || return 1
  caption="$(xdotool getwindowname "$id")"
  [[ "$caption" =~ ^$1$ ]] || { step "the caption is \"$caption\""; return 1; }
  echo "$id"
}
gone() {
  for _ in $(seq 100); do
    xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
main="$(shown 'Quillmark Classic v1\.118\.0\.2 - \[ Sir Aldric \]' || true)"
[[ -n "$main" ]] || { step "the main window did not appear"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$main"
while IFS=$'\t' read -r -u 3 name keys caption; do
  # The caption as a pattern that matches only itself.
  title="$(printf '%s' "$caption" | sed 's/[][\.^$*+?(){}|]/\\&/g')"
  step "opening $name"
  xdotool windowfocus --sync "$main"
  # shellcheck disable=SC2086 # a menu and its item are two keys
  xdotool key $keys
  dialog="$(shown "$title" || true)"
  [[ -n "$dialog" ]] || { step "$title did not open"; kill "$pid"; exit 1; }
  xdotool windowfocus --sync "$dialog"
  xdotool key Escape
  gone "$title" || { step "$title did not close"; kill "$pid"; exit 1; }
done 3<"$windows"
xdotool windowfocus --sync "$main"
xdotool key alt+m  # "Na&me": the name box
xdotool type --delay 50 "x"
xdotool key alt+f
sleep 0.5
xdotool key x
question="$(shown 'Save Character First\?' || true)"
[[ -n "$question" ]] || { step "the close question did not appear"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$question"
xdotool key Tab Return  # from "&Save" on to "E&xit"
for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  step "the program did not end"
  kill "$pid"
  exit 1
fi
wait "$pid"
DRIVE

status=0
# A real X window, whatever platform the caller chose for the offscreen tests.
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
  xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/drive.sh" "$program" "$template" \
  "$work/log" "$work/windows" || status=$?
if ((status != 0)); then
  echo "desktop-smoke: FAIL (exit code $status)"
  grep -v "propagateSizeHints\|XDG_RUNTIME_DIR" "$work/log" | sed 's/^/  /'
  exit 1
fi
echo "desktop-smoke: ok (loaded, $(cut -f1 "$work/windows" | paste -sd, - | sed 's/,/, /g'),"
echo "  edited, close question, exit 0)"
