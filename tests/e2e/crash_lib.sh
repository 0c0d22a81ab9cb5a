# tests/e2e/crash_lib.sh — helpers for crash scenarios, sourced after lib.sh (which starts the
# program and kills it by its process id): typing that loses no letter, backup settings, the
# copies on disk and the texts of the open documents.

# nv_is_notavo : 0 when NV_PID is the running Notavo.exe
nv_is_notavo() {
  [ -n "${NV_PID:-}" ] && tr '\0' ' ' <"/proc/$NV_PID/cmdline" 2>/dev/null | grep -q 'Notavo\.exe'
}
# xw_type_sure WID TEXT : types UTF-8 text like xw_type, but each letter outside ASCII on its
# own and slowly. xdotool binds such a letter to a spare key, presses it and unbinds it again;
# a Wine program that is busy for a moment (a copy being written, a first paint) reads the key
# only after the unbinding and loses the letter. The delay gives it time.
xw_type_sure() {
  xw_focus "$1"
  local LC_ALL=C.UTF-8 s=$2 buf="" c k i
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}
    if [[ $c == [[:ascii:]] ]]; then buf+=$c; continue; fi
    [ -n "$buf" ] && xdotool type --delay 30 "$buf" 2>/dev/null
    buf=""
    case "$c" in Á) k=aacute ;; É) k=eacute ;; Í) k=iacute ;; Ó) k=oacute ;; Ú) k=uacute ;; Ý) k=yacute ;; *) k="" ;; esac
    if [ -n "$k" ]; then xdotool key --delay 250 shift+$k 2>/dev/null
    else xdotool type --delay 250 "$c" 2>/dev/null; fi
  done
  [ -n "$buf" ] && xdotool type --delay 30 "$buf" 2>/dev/null
  return 0
}

# copies_on INTERVAL_MS : an empty data folder whose settings switch backup copies on
copies_on() {
  rm -rf "$DATA"
  mkdir -p "$DATA"
  printf '[Nastaveni]\r\nUlozeni=1\r\n[Ulozeni]\r\nInterval=%s\r\n' "$1" >"$DATA/Notavo.ini"
}
# copy_count : the number of backup copies in the data folder
copy_count() { find "$DATA" -maxdepth 1 -name '*.bcp' | wc -l; }
# temp_count : temporary files left in the data folder (an interrupted write)
temp_count() { find "$DATA" -maxdepth 1 -name '*.tmp' | wc -l; }

# doc_texts : the text of every open document, one per line, lines of a text joined by "|",
# sorted (the order of reopened copies is the order of the directory listing)
doc_texts() {
  probe windows | awk '
    /^doc: / { if (have) print t; t = ""; have = 0; next }
    /^text: / { t = substr($0, 7); have = 1; next }
    have { t = t "|" $0 }
    END { if (have) print t }' | LC_ALL=C sort
}
# doc_count : the number of open documents
doc_count() { probe windows | grep -c '^doc: '; }
# Conditions for wait_for, which runs its command again until it holds (a "$(...)" in its
# arguments would be taken once, before the first try):
docs_are() { test "$(doc_count)" = "$1"; }          # docs_are N
texts_are() { test "$(doc_texts)" = "$1"; }         # texts_are TEXTS (as doc_texts prints them)
copies_are() { test "$(copy_count)" = "$1"; }       # copies_are N
# wait_docs N : waits until N documents are open
wait_docs() { wait_for docs_are "$1"; }
# frame_window : waits for the first document and prints the X id of the main window (the
# splash window, shown before it, carries the same title)
frame_window() { wait_for docs_are 1 && xw_wait '^Notavo$' 20; }
# check_texts NAME TEXTS : a check that the documents come to hold TEXTS; shows both on failure
check_texts() {
  if wait_for texts_are "$2"; then check "$1" true; else
    check "$1" false
    printf '  expected:\n%s\n  found:\n%s\n' "$2" "$(doc_texts)"
  fi
}
# answer_box CAPTION BUTTON : waits for the box and presses BUTTON (6 Yes, 7 No, 2 Cancel, 1 OK)
answer_box() {
  box_wait "$1" >/dev/null || return 1
  probe answer "$1" "$2" >/dev/null
}
