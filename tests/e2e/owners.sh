#!/bin/bash
# tests/e2e/owners.sh BUILD_WIN_DIR — two programs that both run, each with its own backup
# copies. A second start normally hands over to the first; here the first is frozen (SIGSTOP),
# so the hand-over finds no answer and the second start runs as a program of its own. The
# second start offers none of the first one's copies while the first lives; once the first is
# killed, a third start offers its copy and none of the second one's; the second's normal end
# deletes only its own copy; a last start after a kill of the third gets the text back.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/crash_lib.sh"
e2e_init "$1"

question="Obnovení dokumentů"
first='alfa Příliš žluťoučký kůň'
second='beta úpěl ďábelské ódy'

# start_as VAR : starts one more program; VAR is its process
start_as() {
  wine "$OUT/Notavo.exe" >>"$E2E_TMP/notavo.log" 2>&1 &
  printf -v "$1" '%s' $!
}
frames() { probe frames | sed -n 's/^frame: //p'; }
frame_count() { frames | wc -l; }
frames_are() { test "$(frame_count)" = "$1"; }
# the frame that is not $1
other_frame() { frames | grep -vx "$1" | head -1; }
# in_frame FRAME CMD... : a probe command aimed at one program's main window
in_frame() { local f=$1; shift; PROBE_FRAME=$f "$@"; }
docs_in() { in_frame "$1" probe windows | grep -c '^doc: '; }
has_docs() { test "$(docs_in "$1")" = "$2"; }
texts_in() { PROBE_FRAME=$1 doc_texts; }
text_in_is() { test "$(texts_in "$1")" = "$2"; }
no_question() { ! probe boxes | grep -qF "box: $question|"; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# x_window PID : the X id of that program's main window
x_window() { xdotool search --onlyvisible --pid "$1" --name '^Notavo$' 2>/dev/null | head -1; }
has_x_window() { test -n "$(x_window "$1")"; }
copy_text_has() { grep -qF "$1" "$DATA"/*.bcp 2>/dev/null; }
# alone_start VAR HOLDER : starts a program while HOLDER runs: HOLDER is frozen, so that the
# hand-over gets no answer, and thawed once the new program has its main window
alone_start() {
  local holder=$2
  kill -STOP "$holder"
  start_as "$1"
  wait_for frames_are 2
  local ok=$?
  kill -CONT "$holder"
  return $ok
}
cleanup_all() {
  for p in ${A:-} ${B:-} ${C:-} ${D:-}; do kill -9 "$p" 2>/dev/null; done
  e2e_cleanup
}
trap cleanup_all EXIT

copies_on 1000
start_as A
wait_for has_x_window "$A"
FA=$(frames)
check "the first program runs" test -n "$FA"
wait_for has_docs "$FA" 1
xw_type_sure "$(x_window "$A")" "$first"
check "its copy is written" wait_for copies_are 1

alone_start B "$A"
check "a second program runs beside it (no hand-over possible)" frames_are 2
FB=$(other_frame "$FA")
check "it starts with an empty document" wait_for has_docs "$FB" 1
check "and offers none of the living program's copies" no_question
check "which still holds its text" text_in_is "$FA" "$first"
wait_for has_x_window "$B"
xw_type_sure "$(x_window "$B")" "$second"
check "each program has its own copy" wait_for copies_are 2

kill -9 "$A"; wait "$A" 2>/dev/null
check "the first program is killed" wait_for frames_are 1

alone_start C "$B"
FC=$(other_frame "$FB")
box=$(box_wait "$question")
check "a third program offers the killed one's copy only" grep -qF "(1)" <<<"$box"
probe answer "$question" 6 >/dev/null
check "and takes its text back" wait_for text_in_is "$FC" "$first"
check "the second program still holds its own" text_in_is "$FB" "$second"

in_frame "$FB" probe close
check "the second program's end asks about its document" answer_box "Uložit změny" 7
check "and ends" wait_for gone "$B"
check "its own copy is gone, the recovered one stays" wait_for copies_are 1
check "the copy left is the first text's" copy_text_has alfa

kill -9 "$C"; wait "$C" 2>/dev/null
start_as D
box=$(box_wait "$question")
check "after a kill of the third, the copy is offered again" grep -qF "(1)" <<<"$box"
probe answer "$question" 6 >/dev/null
FD=$(frames)
check "and the text is back" wait_for text_in_is "$FD" "$first"
in_frame "$FD" probe close
answer_box "Uložit změny" 7
check "the last program ends" wait_for gone "$D"
check "leaving the settings file alone" test "$(ls "$DATA")" = "Notavo.ini"
e2e_finish
