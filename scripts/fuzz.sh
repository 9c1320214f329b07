#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 10: a smoke run; use 600 for a real campaign).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-10}"
build="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQM_BUILD_FUZZ=ON -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target qm_fuzz_targets
corpus_root="$build/corpus"
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  mkdir -p "$corpus_root/$name"
  seeds="$root/fuzz/seeds/${name#fuzz_}"
  echo "== $name for ${seconds}s"
  if [ -d "$seeds" ]; then
    "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus_root/$name" "$seeds" 2>&1 | tail -n 12
  else
    "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus_root/$name" 2>&1 | tail -n 12
  fi
done
