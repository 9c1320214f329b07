#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 10: a smoke run; use 600 for a real campaign). Each
# target starts from seeds: the generated sample files of its kind, plus any
# checked-in seeds in fuzz/seeds/<target>.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-10}"
only="${2:-}"
build="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQM_BUILD_FUZZ=ON -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target qm_fuzz_targets qm-make-samples

samples="$build/samples"
"$build/tools/qm-make-samples" "$samples" >/dev/null
seed_root="$build/seeds"
rm -rf "$seed_root"
mkdir -p "$seed_root"/{template,old_template,item,vault_text,xml_import}
cp "$samples"/*.qmc "$seed_root/template/"
cp "$samples"/*.qmy "$seed_root/old_template/"
cp "$samples"/*.qmx "$samples"/*.qmi "$seed_root/item/"
for dir in "$root"/fuzz/seeds/*/; do
  [ -d "$dir" ] && mkdir -p "$seed_root/$(basename "$dir")" && cp -r "$dir". "$seed_root/$(basename "$dir")/"
done

corpus_root="$build/corpus"
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  [ -z "$only" ] || [ "$name" = "$only" ] || continue
  mkdir -p "$corpus_root/$name"
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
    "$corpus_root/$name" "$seed_root/${name#fuzz_}" 2>&1 | tail -n 8
done
