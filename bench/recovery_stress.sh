#!/bin/bash
# bench/recovery_stress.sh BUILD_WIN_DIR [RUNS] — hard kills during editing (100 unless told).
# The real program runs with a copy every second; it reopens a large copy (so that every tick
# writes a large file) and a second, small document, and the user types Czech words into the
# large one while ticks run. Each run reads what both documents hold (the snapshot), types on,
# and kills the Wine process with SIGKILL at a random moment at least an interval and a margin
# after the snapshot; every third run waits for a copy's temporary file to appear and kills at
# once, in the middle of the write. The next start takes the copies back and is the next run's
# program. A run has lost text when the large document comes back without the whole text it
# held at the snapshot (a tick after it must have copied it), when the small one comes back
# different, or when a document is missing or comes back twice. Words typed after the last tick
# are not on disk by design. One line per run goes to stderr; the rows of `make bench` to stdout.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/crash_lib.sh"
e2e_init "$1"
runs=${2:-100}
interval=1000
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

# split_texts : reads doc_texts; sets BIG (the large document's text after the seed's own),
# SMALL (the other document's text) and OTHERS (documents beyond those two)
split_texts() {
  local LC_ALL=C t
  BIG="" SMALL="" OTHERS=0 NBIG=0 NSMALL=0
  while IFS= read -r t; do
    if [ "${t:0:${#base}}" = "$base" ]; then
      NBIG=$((NBIG + 1)); BIG=${t:${#base}}
    else
      NSMALL=$((NSMALL + 1)); SMALL=$t
    fi
  done
  OTHERS=$((NBIG + NSMALL - 2))
}

# big_active : the active document is the large one
big_active() {
  probe windows | awk -v base="${base:0:30}" '
    /^active: / { active = substr($0, 9) }
    /^doc: / { doc = substr($0, 6); next }
    /^text: / { if (doc == active && index(substr($0, 7), base) == 1) found = 1 }
    END { exit found ? 0 : 1 }'
}
activate_big() {
  local i
  for ((i = 0; i < 4; i++)); do
    big_active && return 0
    xw_key "$W" ctrl+F6
  done
  big_active
}

# kill_mid_write : kills the program as soon as a copy's temporary file appears (up to 5 s)
kill_mid_write() {
  local end=$(($(now_ms) + 5000))
  shopt -s nullglob
  local t
  while [ "$(now_ms)" -lt "$end" ]; do
    t=("$DATA"/*.tmp)
    [ ${#t[@]} -gt 0 ] && break
  done
  shopt -u nullglob
  nv_crash
}

# recover : starts the program, takes the copies back; false when it does not come up
recover() {
  nv_start
  answer_box "$question" 6 && wait_for docs_at_least 2 && W=$(frame_window_any)
}
docs_at_least() { [ "$(doc_count)" -ge "$1" ]; }
docs_settled() { local a b; a=$(doc_count); b=$(doc_count); [ "$a" = "$b" ] && [ "$a" -ge 2 ]; }
frame_window_any() { xw_wait '^Notavo$' 20; }

make_seed
lost=0 torn=0 failed=0 midwrite=0
copies_on $interval
cp "$E2E_TMP/seed.bcp" "$DATA/seedseedsee.bcp"
nv_start
if ! answer_box "$question" 6 || ! wait_docs 1; then echo "the program did not start" >&2; exit 1; fi
W=$(frame_window)
base=$(doc_texts)
probe command 1000 # Nový: the small document
wait_docs 2
type_words 2
activate_big
xw_key "$W" ctrl+End
printf '%-4s %-9s %9s %7s %7s %5s  %s\n' run kill snapshot back copies temp result >&2
for ((run = 1; run <= runs; run++)); do
  type_words $((1 + RANDOM % 2))
  split_texts < <(doc_texts)
  snap1=$BIG snap2=$SMALL snapped=$(now_ms)
  # more words into the large document while ticks write it, killed at a random moment
  type_words 30 &
  typer=$!
  if ((run % 3 == 0)); then
    how=mid-write
    while [ $(($(now_ms) - snapped)) -lt $((interval + margin)) ]; do sleep 0.05; done
    kill_mid_write
  else
    how=random
    delay=$((interval + margin + RANDOM % 1000))
    sleep "$((delay / 1000)).$(printf %03d $((delay % 1000)))"
    nv_crash
  fi
  killed=$(now_ms)
  wait "$typer" 2>/dev/null
  temps=$(temp_count)
  ncopies=$(copy_count)
  if ! recover; then
    failed=$((failed + 1)); echo "$run: the copies were not offered back" >&2
    nv_kill; copies_on $interval; cp "$E2E_TMP/seed.bcp" "$DATA/seedseedsee.bcp"
    # start again from the seed, as the first run did
    nv_start; answer_box "$question" 6; wait_docs 1; W=$(frame_window); probe command 1000; wait_docs 2
    type_words 1; activate_big; xw_key "$W" ctrl+End
    continue
  fi
  wait_for docs_settled # a third document, if one came back, is counted too
  split_texts < <(doc_texts)
  verdict=ok
  export LC_ALL=C
  if [ $((killed - snapped)) -lt $((interval + margin)) ]; then verdict="not judged: killed too early"
  elif [ "$NBIG" -ne 1 ] || [ "$NSMALL" -ne 1 ]; then verdict="LOST: $NBIG large and $NSMALL small documents came back"
  elif [ "${BIG:0:${#snap1}}" != "$snap1" ]; then verdict="LOST: the large document lacks text it held"
  elif [ "$SMALL" != "$snap2" ]; then verdict="LOST: the small document differs from what it held"
  fi
  export LC_ALL=cs_CZ.UTF-8
  case $verdict in LOST*) lost=$((lost + 1)) ;; not*) failed=$((failed + 1)) ;; esac
  [ "$temps" -eq 0 ] || torn=$((torn + 1))
  [ "$how" = mid-write ] && midwrite=$((midwrite + 1))
  printf '%-4s %-9s %9s %7s %7s %5s  %s\n' "$run" "$how" "${#snap1}" "${#BIG}" "$ncopies" "$temps" "$verdict" >&2
  [ "$verdict" = ok ] || { [ "$NBIG" -eq 1 ] && [ "$NSMALL" -eq 1 ]; } || {
    # carry on from what came back: the run's documents are the two it found
    nv_kill; copies_on $interval; cp "$E2E_TMP/seed.bcp" "$DATA/seedseedsee.bcp"
    nv_start; answer_box "$question" 6; wait_docs 1; W=$(frame_window); probe command 1000; wait_docs 2
    type_words 1
  }
  activate_big
  xw_key "$W" ctrl+End
done
nv_kill
echo "$runs hard kills (SIGKILL) of the program with a copy every ${interval} ms while words were typed into a"
echo "300 KB document; $midwrite of them as soon as a copy's temporary file appeared, the rest at random"
echo "moments. snapshot: bytes the large document held at least ${interval} ms + ${margin} ms before the kill."
printf '@row\t%s\t%d\t%s\t%d\t%s\t%d\t%d\n' "hard kills during editing that lost text" "$lost" "hard kills" "$runs" run 0 0
printf '@row\t%s\t%d\t%s\t%d\t%s\t%d\n' "hard kills that left a torn temporary file" "$torn" "hard kills" "$runs" run 0
printf '@row\t%s\t%d\t%s\t%d\t%s\t%d\t%d\n' "hard kills that could not be judged" "$failed" "hard kills" "$runs" run 0 0
[ "$lost" -eq 0 ] && [ "$failed" -eq 0 ]
