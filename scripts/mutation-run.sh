#!/usr/bin/env bash
# Measures how many wiring faults in ui/ the GUI tests catch. For each row of
# tests/ui/mutations.tsv it seeds one fault into the working tree, rebuilds
# the GUI test programs, runs the GUI tests and puts the file back exactly.
# A row whose text is not found exactly once is reported "not applicable".
# Run by hand after a change to ui/ or tests/ui/; it is not part of CI.
#   scripts/mutation-run.sh BUILD_DIR [ID...]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[[ $# -ge 1 ]] || { echo "usage: $0 BUILD_DIR [ID...]" >&2; exit 2; }
build="$(cd "$1" && pwd)" || exit 2
shift
only=("$@")
table="$root/tests/ui/mutations.tsv"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

targets=()
for test in "$root"/tests/ui/*_test.cpp; do
  name="$(basename "$test" .cpp)"
  targets+=("qm_ui_$name")
done

work="$(mktemp -d)"
mutated=""  # the file under a seeded fault, relative to root
restore() {
  if [[ -n "$mutated" ]]; then
    # A plain copy gives the file a new time, so the next build drops the fault.
    cp "$work/original" "$root/$mutated"
    mutated=""
  fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'echo "mutation-run: interrupted, $mutated restored" >&2; exit 130' INT TERM

build_tests() {
  cmake --build "$build" -j2 --target "${targets[@]}" >"$work/build.log" 2>&1
}
run_tests() {
  ctest --test-dir "$build" -R '^ui\.' -j2 >"$work/test.log" 2>&1
}
failed_tests() {
  sed -n 's/^.*[0-9] - ui\.\([A-Za-z_]*\) .*$/\1/p' "$work/test.log" | tr '\n' ' '
}

# Without a clean start every fault would count as caught.
if ! build_tests; then
  tail -20 "$work/build.log"
  echo "mutation-run: the unchanged tree does not build" >&2
  exit 1
fi
if ! run_tests; then
  echo "mutation-run: the GUI tests fail before any fault: $(failed_tests)" >&2
  exit 1
fi

started=$SECONDS
caught=0 total=0
report=()
while IFS=$'\t' read -r id file find replace what; do
  [[ -z "$id" || "$id" == \#* ]] && continue
  if [[ ${#only[@]} -gt 0 && ! " ${only[*]} " =~ " $id " ]]; then continue; fi
  rowStart=$SECONDS
  found=0
  [[ -f "$root/$file" ]] && found="$(grep -o -F -- "$find" "$root/$file" | wc -l)"
  if [[ "$found" -ne 1 ]]; then
    report+=("$(printf '%-26s %-16s %s (text found %s times in %s)' "$id" "NOT APPLICABLE" \
      "$what" "$found" "$file")")
    continue
  fi
  cp "$root/$file" "$work/original"
  mutated="$file"
  content="$(<"$root/$file")"
  printf '%s\n' "${content/"$find"/"$replace"}" >"$root/$file"
  if ! build_tests; then
    result="does not build"
  elif run_tests; then
    result="missed"
    total=$((total + 1))
  else
    result="caught"
    total=$((total + 1))
    caught=$((caught + 1))
  fi
  restore
  detail=""
  [[ "$result" == caught ]] && detail=" [by $(failed_tests)]"
  report+=("$(printf '%-26s %-16s %s%s (%ds)' "$id" "$result" "$what" "$detail" \
    $((SECONDS - rowStart)))")
  echo "${report[-1]}" >&2
done <"$table"

# Leave the build as the tree is.
build_tests || echo "mutation-run: the restored tree does not build" >&2

echo
printf '%-26s %-16s %s\n' "mutation" "result" "fault"
printf '%s\n' "${report[@]}"
echo
echo "caught $caught of $total ($((SECONDS - started))s)"
