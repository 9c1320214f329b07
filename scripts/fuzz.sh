#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 10: a smoke run; use 600 for a real campaign); a second
# argument runs that one target only. Each target starts from seeds:
#   template, old_template, item   the generated sample files of their kind
#   template_pipeline              the sample templates and old templates
#   vault_text                     the bundled vault unpacked, whole and part by part
#   xml_import                     the XML item files in tests/data/xml-items
# plus any checked-in seeds in fuzz/seeds/<target>. Corpora grow in
# build-fuzz/corpus/<target>. Every sanitizer report stops the target; the
# input that caused it is kept in build-fuzz/artifacts/, the whole report is
# printed, and after the remaining targets have run the script exits 1.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-10}"
only="${2:-}"
build="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQM_BUILD_FUZZ=ON -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target qm_fuzz_targets qm-make-samples quillmark-cli \
  master_vault

samples="$build/samples"
"$build/tools/qm-make-samples" "$samples" >/dev/null
cli="$build/cli/quillmark-cli"
seed_root="$build/seeds"
rm -rf "$seed_root"
mkdir -p "$seed_root"/{template,old_template,item,template_pipeline,vault_text,xml_import}
cp "$samples"/*.qmc "$seed_root/template/"
cp "$samples"/*.qmy "$seed_root/old_template/"
cp "$samples"/*.qmx "$samples"/*.qmi "$seed_root/item/"
cp "$samples"/*.qmc "$samples"/*.qmy "$seed_root/template_pipeline/"
"$cli" vault unpack "$build/master.qmv" >"$seed_root/vault_text/master.txt"
# A folder of parts packs behind a header of its own: one part at a time
# makes a small vault of each kind of entry.
part_dir="$build/vault-part"
for part in "$root"/data/vault/*.txt; do
  rm -rf "$part_dir" && mkdir -p "$part_dir" && cp "$part" "$part_dir/"
  "$cli" vault pack "$part_dir" "$build/part.qmv" >/dev/null
  "$cli" vault unpack "$build/part.qmv" >"$seed_root/vault_text/$(basename "$part")"
done
rm -rf "$part_dir" "$build/part.qmv"
cp "$root"/tests/data/xml-items/*.xml "$seed_root/xml_import/"
for dir in "$root"/fuzz/seeds/*/; do
  [ -d "$dir" ] && mkdir -p "$seed_root/$(basename "$dir")" && cp -r "$dir". "$seed_root/$(basename "$dir")/"
done

# The build stops on the first UBSan report already; these make sure the
# runtime does too, and that every report comes with its stack.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"

corpus_root="$build/corpus"
artifacts="$build/artifacts"
logs="$build/logs"
mkdir -p "$corpus_root" "$artifacts" "$logs"
failed=()
# The targets of the sources, so that a binary left from a removed target is not run.
for source in "$root"/fuzz/fuzz_*.cpp; do
  name="$(basename "$source" .cpp)"
  target="$build/fuzz/$name"
  [ -z "$only" ] || [ "$name" = "$only" ] || continue
  seeds="$seed_root/${name#fuzz_}"
  mkdir -p "$corpus_root/$name" "$seeds"
  # Inputs may grow to the largest seed (the whole vault text) but no less
  # than 16 KiB; libFuzzer would cut longer seeds short.
  max_len=16384
  largest="$(find "$seeds" -type f -printf '%s\n' | sort -n | tail -n 1)"
  [ -n "$largest" ] && [ "$largest" -gt "$max_len" ] && max_len="$largest"
  log="$logs/$name.log"
  echo "== $name for ${seconds}s"
  if "$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$name-" "$corpus_root/$name" "$seeds" >"$log" 2>&1; then
    grep -E '^(stat::|Done )' "$log" || tail -n 8 "$log"
  else
    # The whole report: everything but libFuzzer's progress lines.
    grep -Ev '^#[0-9]+[[:space:]]' "$log" || true
    echo "!! $name found something; the input is in $artifacts/ and the full log in $log"
    failed+=("$name")
  fi
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzzing found something in: ${failed[*]}" >&2
  exit 1
fi
