#!/bin/bash
# tests/e2e/help.sh BUILD_WIN_DIR — the user guide as a user reaches it: the build put it beside
# the program with every topic, picture and the popup topics inside it; the program started
# from another folder opens the guide's window on F1 and on Nápověda > Témata nápovědy, and the
# window goes when the program ends.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
src=$(cd "$(dirname "$0")/../.." && pwd)
title=$(sed -n 's/^Title=//p' "$src/help/napoveda.hhp" | tr -d '\r')
chm=$OUT/napovedaN5.chm

check "the guide is beside the program" test -s "$chm"
check "its popup topics too" test -s "$OUT/CSHelp.txt"
listing=$(chmls -p -n list "$chm" 2>/dev/null)
# every file the project lists, the contents and the index are in the guide
mapfile -t listed < <(sed -n '/^\[FILES\]/,/^\[/p' "$src/help/napoveda.hhp" | tr -d '\r' | grep -v '^\[' | grep .)
missing=""
for f in "${listed[@]}" obsah.hhc rejstrik.hhk; do
  printf '%s\n' "$listing" | grep -qxF "/$f" || missing+=" $f"
done
check "every topic, picture and CSHelp.txt is inside (${#listed[@]} listed)${missing:+, missing:$missing}" test -z "$missing"
chmls extract "$chm" /CSHelp.txt "$E2E_TMP/inside.txt" >/dev/null 2>&1
check "the popup topics inside are the ones beside it" cmp -s "$E2E_TMP/inside.txt" "$OUT/CSHelp.txt"

help_gone() { ! xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; }
rm -rf "$DATA"
mkdir -p "$E2E_TMP/elsewhere" && cd "$E2E_TMP/elsewhere"
nv_start
w=$(xw_wait '^Notavo$' 40)
one_doc() { test "$(probe windows | grep -c '^doc: ')" = 1; }
wait_for one_doc
check "no guide before it is asked for" help_gone
xw_key "$w" F1
help_appears() { xw_wait "^$title\$" 30 >/dev/null; }
check "F1 opens the guide's window, titled as its project says" help_appears
probe command 1600 # Nápověda > Témata nápovědy: the same window again, not a second one
help_shown() { ! help_gone; }
check "the menu command keeps the guide shown" wait_for help_shown
probe close
check "the program ends" nv_wait_exit 30
check "the guide's window goes with it" wait_for help_gone
e2e_finish
