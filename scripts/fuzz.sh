#!/bin/bash
# scripts/fuzz.sh BUILD_DIR SECONDS [TARGET...] — runs every fuzz target of the fuzz tree (or the
# ones named) for SECONDS each, one after another at the lowest priority, going on from the
# corpus earlier runs left in BUILD_DIR/tests/fuzz/work; stops at the first finding.
set -eu
build=$1 seconds=$2; shift 2
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$build/tests/fuzz
mapfile -t all < <(grep . "$dir/targets.txt")
want=("$@")
for entry in "${all[@]}"; do
  name=${entry%%:*} max_len=${entry#*:}
  if [ ${#want[@]} -gt 0 ] && [[ " ${want[*]} " != *" $name "* ]]; then continue; fi
  echo "== $name: ${seconds} s"
  if ! nice -n 19 bash "$here/tests/fuzz/run.sh" "$dir/${name}_fuzz" "$here/tests/fuzz/corpus/$name" \
       "$dir/work/$name" "$seconds" -max_len="$max_len" > "$dir/$name.log" 2>&1; then
    grep -E 'broken|ERROR|SUMMARY|Test unit written' "$dir/$name.log" >&2 || tail -20 "$dir/$name.log" >&2
    echo "$name: a finding, the whole log in $dir/$name.log" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$dir/$name.log" | tr '\n' ' '; echo
done
