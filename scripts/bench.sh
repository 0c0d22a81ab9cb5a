#!/bin/bash
# scripts/bench.sh BUILD_WIN_DIR — runs every benchmark and prints one table: each operation
# beside its anchor measured in the same run, the ratio and the target; the benchmarks' other
# lines follow as notes.
set -eu -o pipefail
win=$(cd "$1" && pwd)
"$win/wine-run.sh" --up
out=$(mktemp /tmp/nv-bench.XXXXXX)
trap 'rm -f "$out"' EXIT
for b in "$win"/bench/*_bench.exe; do
  name=$(basename "$b" .exe)
  echo "running $name ..." >&2
  (cd "$win/bench" && "$win/wine-run.sh" "$b" | tr -d '\r' | sed "s/^/$name\t/") >>"$out" || echo "$name	$name failed ($?)" >>"$out"
done
for s in "$(dirname "$0")"/../bench/*.sh; do
  [ -e "$s" ] || continue
  name=$(basename "$s" .sh)
  echo "running $name ..." >&2
  bash "$s" "$win" | sed "s/^/$name\t/" >>"$out" || echo "$name	$name failed ($?)" >>"$out"
done
echo
echo "Notavo beside its anchors, measured in the same run (Wine on this machine; ratio = Notavo / anchor)"
awk -F'\t' '
  $2 == "@row" {
    ratio = $6 > 0 ? $4 / $6 : 0
    met = $8 > 0 ? (ratio <= $8 ? "yes" : "NO") : "-"
    tgt = $8 > 0 ? sprintf("%.2fx", $8) : "-"
    # a ninth field: the measure itself has a limit (a count that must stay at most that)
    if ($9 != "") { met = $4 <= $9 ? "yes" : "NO"; tgt = "<= " $9 }
    printf "| %-46s | %10.3f | %-44s | %10.3f | %-3s | %6.2f | %6s | %-3s |\n", $3, $4, $5, $6, $7, ratio, tgt, met
  }' "$out" | { printf "| %-46s | %10s | %-44s | %10s | %-3s | %6s | %6s | %-3s |\n" operation Notavo anchor anchor unit ratio target met
               printf "|%s|%s|%s|%s|%s|%s|%s|%s|\n" ------------------------------------------------ ------------ ---------------------------------------------- ------------ ----- -------- -------- -----
               cat; }
echo
echo "notes:"
awk -F'\t' '$2 != "@row" { name = $1; sub(/^[^\t]*\t/, ""); print "  " name ": " $0 }' "$out"
