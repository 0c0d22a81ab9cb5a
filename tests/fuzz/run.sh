#!/bin/bash
# tests/fuzz/run.sh [--fresh] TARGET SEEDS WORK SECONDS [LIBFUZZER OPTIONS...] — replays the seed
# corpus SEEDS, then fuzzes for SECONDS with new inputs kept in WORK (kept between runs, so a
# longer run goes on where the last one stopped; --fresh starts WORK empty). A crash, a leak,
# undefined behaviour, a broken check or an input slower than 10 s fails the run and leaves the
# input in WORK/../findings/ to be reproduced with: TARGET FILE
set -eu
fresh=0
[ "${1:-}" = --fresh ] && { fresh=1; shift; }
target=$1 seeds=$2 work=$3 seconds=$4; shift 4
[ -d "$seeds" ] || { echo "no seed corpus: $seeds" >&2; exit 1; }
[ $fresh = 0 ] || rm -rf "$work"
findings=$(dirname "$work")/findings
mkdir -p "$work" "$findings"
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix="$findings/$(basename "$work")-" "$@" "$work" "$seeds"
