#!/bin/bash
# tests/e2e/instances.sh BUILD_WIN_DIR — a second start while the program runs hands its files
# over: their names, relative to the second start's own current folder, open in the running
# program as dropped files, the running program comes to the front, and the second start ends
# without a window of its own. A start during the first one's start-up window is handed over too.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/crash_lib.sh"
e2e_init "$1"

mkdir -p "$E2E_TMP/jinde/sub"
printf 'první soubor' | iconv -f UTF-8 -t CP1250 >"$E2E_TMP/jinde/první.txt"
printf '{\\rtf1 druh\\'"'"'fd\\par}' >"$E2E_TMP/jinde/sub/druhý.rtf"
frame_count() { probe frames | grep -c '^frame: '; }
frames_are() { test "$(frame_count)" = "$1"; }
doc_titles() { probe windows | grep '^doc: ' | sed 's/^doc: //' | LC_ALL=C sort | tr '\n' ,; }
titles_are() { test "$(doc_titles)" = "$1"; }
# second_start DIR ARGS... : a start from DIR as its current folder; SECOND is its process
second_start() {
  local dir=$1; shift
  (cd "$dir" && exec wine "$OUT/Notavo.exe" "$@") >>"$E2E_TMP/second.log" 2>&1 &
  SECOND=$!
}
second_ended() { ! kill -0 "$SECOND" 2>/dev/null; }

rm -rf "$DATA"
nv_start
W=$(frame_window)
check "the first start shows its main window" test -n "$W"
first=$(probe frames | sed -n 's/^frame: //p')
second_start "$E2E_TMP/jinde" "první.txt" "sub/druhý.rtf"
check "the second start ends by itself" wait_for second_ended
check "no second main window" frames_are 1
check "its files open in the running program, named from its own folder" \
  wait_for titles_are "Dokument 1,druhý.rtf,první.txt,"
check_texts "with their texts" "$(printf '%s\n' "" "druhý" "první soubor" | LC_ALL=C sort)"
fg_is_first() { test "$(probe foreground | cut -d'|' -f2)" = "$first"; }
check "the running program is in front" wait_for fg_is_first

second_start "$E2E_TMP" # no files: only to the front
check "a start without files ends too" wait_for second_ended
check "and opens nothing" titles_are "Dokument 1,druhý.rtf,první.txt,"
probe close
check "closing asks about nothing and ends" nv_wait_exit 20

# a second start while the first shows its start-up window: the file waits for the start-up
nv_start
wait_for frames_are 1
second_start "$E2E_TMP/jinde" "první.txt"
check "the early second start ends" wait_for second_ended
check "the first opens the file at its start-up, and no empty document" wait_for titles_are "první.txt,"
check "still one main window" frames_are 1
probe close
check "the program ends" nv_wait_exit 20
e2e_finish
