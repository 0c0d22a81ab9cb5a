#!/bin/bash
# tests/e2e/hostile.sh BUILD_WIN_DIR — files the rich-edit control cannot read, named on the
# command line beside a good one: an RTF file nested 40 groups deep and one with a control
# word of 2000 letters. The program stays up, names each file with its cause in a message,
# opens neither, and the good document opens intact and can still be edited.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/crash_lib.sh"
e2e_init "$1"

rm -rf "$DATA"
head='{\rtf1\ansi\ansicpg1250{\fonttbl{\f0\fcharset238 Arial;}}\f0 '
printf '%s%s\\par}' "$head" 'dobr\'"'"'fd text' >"$E2E_TMP/dobry.rtf"
{ printf '%s' "$head"; printf '{%.0s' $(seq 39); printf 'hluboko'; printf '}%.0s' $(seq 40); } >"$E2E_TMP/hluboky.rtf"
{ printf '%s\\' "$head"; printf 'a%.0s' $(seq 2000); printf ' x}'; } >"$E2E_TMP/slovo.rtf"

# box_about FILE : waits for the box that names FILE and prints everything the box says
box_about() {
  local end=$(($(date +%s) + 30)) all
  while [ "$(date +%s)" -le "$end" ]; do
    all=$(probe boxes)
    grep -qF "$1" <<<"$all" && { echo "$all"; return 0; }
    sleep 0.2
  done
  return 1
}

nv_start "$(winpath "$E2E_TMP/dobry.rtf")" "$(winpath "$E2E_TMP/hluboky.rtf")" "$(winpath "$E2E_TMP/slovo.rtf")"
deep=$(box_about "hluboky.rtf")
check "the 40-deep file is named in a message" test -n "$deep"
check "... with its cause" grep -q 'vnořené hlouběji' <<<"$deep"
check "the program stays up after the deep file" kill -0 "$NV_PID"
probe answer Notavo 1 >/dev/null
long=$(box_about "slovo.rtf")
check "the file with a 2000-letter word is named in a message" test -n "$long"
check "... with its cause" grep -q 'řídicí slovo' <<<"$long"
probe answer Notavo 1 >/dev/null
check "the program stays up after the long word" kill -0 "$NV_PID"
check "only the good document is open" wait_docs 1
check_texts "the good document is intact" "dobrý text"
W=$(xw_wait '^Notavo$' 20)
xw_key "$W" ctrl+End
xw_type "$W" " dal"
check_texts "and can be edited" "dobrý text dal"
e2e_finish
