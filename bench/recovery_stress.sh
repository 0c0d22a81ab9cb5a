#!/bin/bash
# bench/recovery_stress.sh BUILD_WIN_DIR [RUNS] — crash recovery under load. Each run starts the
# real program with copies every 500 ms, reopens a large copy (so that every tick writes a
# large file), types Czech words into it and into a second document while ticks run, reads
# what both documents hold (the snapshot), types on, and kills the Wine process with SIGKILL
# at a random moment at least an interval and a margin after the snapshot. The next start
# takes the copies back. A run has lost text when a document comes back without the whole
# text it held at the snapshot (a tick after it must have copied it), or with anything else
# before it. Words typed after the last tick are not on disk by design. Prints one row per run
# and the total, beside the target of zero lost runs.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/crash_lib.sh"
e2e_init "$1"
runs=${2:-8}
interval=500
margin=1500
question="Obnovení dokumentů"
words=(Příliš žluťoučký kůň úpěl ďábelské ódy Šťastný Řehoř čeří vodu Ďáblův Ůl Éra Ýpsilon Žně)

now_ms() { date +%s%3N; }

# a large copy to reopen: about 300 KB of Czech paragraphs as RTF, no final paragraph mark
make_seed() {
  {
    printf '{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Times New Roman;}}\\f0\\fs24 '
    for ((i = 0; i < 4000; i++)); do
      printf 'Odstavec %d: Příliš žluťoučký kůň úpěl ďábelské ódy.\\par\n' "$i"
    done
    printf 'Konec}'
  } | iconv -f UTF-8 -t CP1250 >"$E2E_TMP/seed.bcp"
}

# type_words SECONDS : types Czech words into the active document for about SECONDS
type_words() {
  local end=$(($(now_ms) + $1 * 1000))
  while [ "$(now_ms)" -lt "$end" ] && kill -0 "$NV_PID" 2>/dev/null; do
    xw_type_sure "$W" "${words[RANDOM % ${#words[@]}]} " || return
  done
}

# split_texts : reads doc_texts; sets BIG (the large document's text after the reopened copy's
# own) and SMALL (the other document's text); OTHERS counts documents beyond those two
split_texts() {
  local LC_ALL=C t
  BIG="" SMALL="" OTHERS=0
  local big=-1 small=0
  while IFS= read -r t; do
    if [ "${t:0:${#base}}" = "$base" ]; then
      # a kill between writing a copy and deleting the older one leaves both: the longer counts
      [ $big -ge 0 ] && OTHERS=$((OTHERS + 1))
      [ $((${#t} - ${#base})) -gt "$big" ] && { BIG=${t:${#base}}; big=${#BIG}; }
    else
      [ $small -gt 0 ] && OTHERS=$((OTHERS + 1))
      SMALL=$t; small=1
    fi
  done
}

make_seed
lost=0 torn=0 failed=0
printf '%-4s %9s %7s %9s %7s %7s %5s  %s\n' run snapshot1 back1 snapshot2 back2 copies temp result
for ((run = 1; run <= runs; run++)); do
  copies_on $interval
  cp "$E2E_TMP/seed.bcp" "$DATA/seedseedsee.bcp"
  nv_start
  if ! answer_box "$question" 6 || ! wait_docs 1; then
    failed=$((failed + 1)); echo "$run: the program did not start"; nv_kill; continue
  fi
  W=$(frame_window)
  base=$(doc_texts)
  xw_key "$W" ctrl+End
  type_words $((1 + RANDOM % 3))
  probe command 1000 # Nový: the second document
  wait_docs 2
  type_words $((1 + RANDOM % 3))
  xw_key "$W" ctrl+F6 # back to the large document
  type_words $((1 + RANDOM % 2))
  split_texts < <(doc_texts)
  snap1=$BIG snap2=$SMALL snapped=$(now_ms)
  # more words into the large document while ticks write it, killed at a random moment
  type_words 30 &
  typer=$!
  sleep "$((interval / 1000 + margin / 1000 + 1)).$((RANDOM % 10))"
  killed=$(now_ms)
  nv_crash
  wait "$typer" 2>/dev/null
  temps=$(temp_count)
  ncopies=$(copy_count)
  nv_start
  if ! answer_box "$question" 6 || ! wait_docs "$ncopies"; then
    failed=$((failed + 1)); echo "$run: the copies were not offered back"; nv_kill; continue
  fi
  split_texts < <(doc_texts)
  nv_kill
  verdict=ok
  export LC_ALL=C
  if [ $((killed - snapped)) -lt $((interval + margin)) ]; then verdict="not judged: killed too early"
  elif [ "${BIG:0:${#snap1}}" != "$snap1" ]; then verdict="LOST: document 1 lacks text it held"
  elif [ "$SMALL" != "$snap2" ]; then verdict="LOST: document 2 differs from what it held"
  elif [ "$OTHERS" -gt 0 ]; then verdict="LOST: $OTHERS documents too many"
  fi
  export LC_ALL=cs_CZ.UTF-8
  case $verdict in LOST*) lost=$((lost + 1)) ;; not*) failed=$((failed + 1)) ;; esac
  [ "$temps" -eq 0 ] || torn=$((torn + 1))
  printf '%-4s %9s %7s %9s %7s %7s %5s  %s\n' "$run" "${#snap1}" "${#BIG}" "${#snap2}" "${#SMALL}" \
    "$ncopies" "$temps" "$verdict"
done
echo
echo "snapshotN: bytes in document N when it was read, at least ${interval} ms + ${margin} ms before the kill"
echo "(beyond the reopened copy's own text); backN: bytes that came back after the kill;"
echo "copies/temp: backup copies and interrupted temporary files in the data folder at the kill"
printf '%-36s %8s %8s\n' "" measured target
printf '%-36s %8s %8s\n' "runs" "$runs" "$runs"
printf '%-36s %8s %8s\n' "runs that lost text" "$lost" 0
printf '%-36s %8s %8s\n' "runs killed while a copy was written" "$torn" "-"
printf '%-36s %8s %8s\n' "runs that could not be judged" "$failed" 0
[ "$lost" -eq 0 ] && [ "$failed" -eq 0 ]
