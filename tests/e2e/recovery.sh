#!/bin/bash
# tests/e2e/recovery.sh BUILD_WIN_DIR — backup copies survive a hard crash. With copies on and a
# short interval the user types Czech text into two documents, waits for a tick, and the
# program is killed (SIGKILL). At the next start the user takes the copies back: both texts
# return exactly, as unsaved documents. A second crash straight after that loses nothing
# either; a normal end then clears the data folder. Declining the copies clears them too.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/crash_lib.sh"
e2e_init "$1"

question="Obnovení dokumentů"
first='Příliš žluťoučký kůň úpěl ďábelské ódy'
second='ŠŤŮŽ ČĎĚŇŘ Á É Í Ó Ú Ý ěščřžýáíéůú'
third='druhý řádek'
expected=$(printf '%s\n%s\n' "$first|$third" "$second" | LC_ALL=C sort)

copies_on 1000
nv_start
W=$(frame_window)
check "main window with a document appears" test -n "$W"
check "the process to be killed is Notavo.exe" nv_is_notavo
xw_type_sure "$W" "$first"
xw_key "$W" Return
xw_type_sure "$W" "$third"
probe command 1000 # Nový
check "a second document" wait_docs 2
xw_type_sure "$W" "$second"
check_texts "the typed texts are in the documents" "$expected"
# one tick after the last key writes each document's copy; more ticks write nothing new
check "one copy per document after a tick" wait_for copies_are 2
sleep 2.5
check "still one copy per document" test "$(copy_count)" = 2
names=$(ls "$DATA"/*.bcp | xargs -n1 basename)
check "copies are named by the rule" test -z "$(grep -vxE '[a-z]{11}\.bcp' <<<"$names")"

nv_crash
check "the program is gone" test -z "$(probe windows 2>/dev/null | grep '^frame: ')"
check "the copies survive the crash" test "$(copy_count)" = 2

# next start: Yes brings both texts back as untitled, unsaved documents
nv_start
box=$(box_wait "$question")
check "the question counts two copies" grep -qF "(2)" <<<"$box"
probe answer "$question" 6 >/dev/null
check "two documents reopened" wait_docs 2
check_texts "both texts back exactly" "$expected"
check "reopened as untitled documents" \
  test "$(probe windows | grep '^doc: ' | LC_ALL=C sort | tr '\n' ,)" = "doc: Dokument 1,doc: Dokument 2,"

# a second crash before anything else happens: the copies are still there
nv_crash
check "the copies survive a second crash" test "$(copy_count)" = 2
nv_start
box=$(box_wait "$question")
check "offered again" grep -qF "(2)" <<<"$box"
probe answer "$question" 6 >/dev/null
check_texts "both texts back again" "$expected"

# a normal end: each reopened document is unsaved, so closing asks; No twice, then the
# program ends and the data folder keeps only the settings file
probe close
check "closing asks about the first document" answer_box "Uložit změny" 7
check "closing asks about the second document" answer_box "Uložit změny" 7
check "the program ends" nv_wait_exit 20
check "a normal end clears the copies" test "$(ls "$DATA")" = "Notavo.ini"

# copies again, then No at the next start: an empty document, and the copies are gone
copies_on 1000
nv_start
W=$(frame_window)
xw_type_sure "$W" "$first"
check "a copy is written" wait_for copies_are 1
nv_crash
echo "stray" >"$DATA/cizi.txt"
nv_start
check "the question comes again" answer_box "$question" 7
check "one empty document" wait_for docs_are 1
check "titled as the first untitled document" test "$(probe windows | grep '^doc: ')" = "doc: Dokument 1"
check "its text is empty" test -z "$(doc_texts)"
# (and the running program's lock on its own copies)
check "declining clears the data folder but for the settings file" test "$(ls "$DATA" | grep -v '\.own$')" = "Notavo.ini"
probe close
check "the program ends" nv_wait_exit 20
e2e_finish
