#!/usr/bin/env bash
# The desktop program measured as a player meets it, from a Release build:
#  - start-up, in process (startup_bench) and as a whole process (exec to the
#    rendered window of --screenshot, which also pays for the picture), on the
#    bundled vault and on a generated vault of 100,000 entries;
#  - a template edit to refreshed widgets (ui_bench);
#  - resident memory after start with the bundled vault, and CPU time used
#    over 5 seconds of idling, of the real program under Xvfb.
# Every figure is the median of 10 runs. Run by hand:
#   bench/desktop-measure.sh [RELEASE_BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-rel}"
program="$build/app/quillmark"
sample="$build/samples/albion-armsman.qmc"
runs=10
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "== in process (medians of $runs repetitions)"
"$build/bench/startup_bench" --benchmark_repetitions=$runs --benchmark_report_aggregates_only=true \
  2>/dev/null | grep -E "_median"
"$build/bench/ui_bench" --benchmark_repetitions=$runs --benchmark_report_aggregates_only=true \
  2>/dev/null | grep -E "_median"

# A program directory per vault: the program takes the master.qmv beside it.
large_vault="${TMPDIR:-/tmp}/quillmark-startup-bench/large/master.qmv"
for kind in bundled large; do
  mkdir -p "$work/$kind"
  cp "$program" "$work/$kind/quillmark"
done
cp "$build/master.qmv" "$work/bundled/master.qmv"
cp "$large_vault" "$work/large/master.qmv"

echo "== whole process, exec to the rendered window (ms, median of $runs)"
for kind in bundled large; do
  for _ in $(seq $runs); do
    start=$(date +%s%N)
    QT_QPA_PLATFORM=offscreen "$work/$kind/quillmark" --screenshot "$work/shot.png" "$sample"
    echo $((($(date +%s%N) - start) / 1000000))
  done | median | sed "s/^/$kind vault: /"
done

echo "== the real program under Xvfb: resident memory after start, CPU while idle (median of $runs)"
mkdir -p "$work/config/Quillmark"
: >"$work/config/Quillmark/Quillmark.ini"
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  ticks=$(getconf CLK_TCK)
  for _ in $(seq '"$runs"'); do
    "$0" "$1" & pid=$!
    sleep 3
    rss=$(awk "/^VmRSS/ { print \$2 }" /proc/$pid/status)
    before=$(awk "{ print \$14 + \$15 }" /proc/$pid/stat)
    sleep 5
    after=$(awk "{ print \$14 + \$15 }" /proc/$pid/stat)
    echo "$rss $(( (after - before) * 1000 / ticks ))"
    kill $pid; wait $pid 2>/dev/null || true
  done' "$work/bundled/quillmark" "$sample" >"$work/desktop.txt"
echo "resident memory: $(cut -d" " -f1 "$work/desktop.txt" | median) kB"
echo "CPU over 5 s idle: $(cut -d" " -f2 "$work/desktop.txt" | median) ms (largest $(cut -d" " -f2 "$work/desktop.txt" | sort -n | tail -1) ms)"
