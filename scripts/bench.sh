#!/bin/bash
# scripts/bench.sh BUILD_WIN_DIR — runs every benchmark and prints its table.
set -eu
win=$(cd "$1" && pwd)
"$win/wine-run.sh" --up
for b in "$win"/bench/*.exe; do
  echo "== $(basename "$b" .exe)"
  (cd "$win/bench" && "$win/wine-run.sh" "$b")
done
for s in "$(dirname "$0")"/../bench/*.sh; do
  [ -e "$s" ] || continue
  echo "== $(basename "$s" .sh)"
  bash "$s" "$win"
done
