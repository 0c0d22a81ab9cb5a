#!/bin/bash
# tests/e2e/recent.sh BUILD_WIN_DIR — the recent files as a user meets them: a file opened,
# the program closed and started again without it, and the file opened again from the
# "Soubor" menu by the keyboard (Alt+S, then its number); the list lives in the settings file.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

rm -rf "$DATA"
printf 'Příliš žluťoučký kůň úpěl ďábelské ódy.\r\n' | iconv -f UTF-8 -t CP1250 >"$E2E_TMP/posledni.txt"
started() { probe windows | grep -q '^doc: '; }
has_document() { probe windows | grep -qx "doc: $1"; }
text_shown() { probe windows | grep -qx 'text: Příliš žluťoučký kůň úpěl ďábelské ódy.'; }

nv_start "$(winpath "$E2E_TMP/posledni.txt")"
W=$(xw_wait '^Notavo$' 40)
check "main window appears" test -n "$W"
check "the file named on the command line opens" wait_for has_document posledni.txt
probe close
check "the program ends" nv_wait_exit 20
recent_key() { ini_text | tr -d '\r' | grep -qxF "Soubor1=$(winpath "$E2E_TMP/posledni.txt")"; }
check "the settings file lists the file in its own section" recent_key
check "... section Posledni" grep -qx '\[Posledni\]' <<<"$(ini_text | tr -d '\r')"

# started again without the file: it is offered in the Soubor menu
nv_start
W=$(xw_wait '^Notavo$' 40)
check "the program starts again" wait_for started
check "no document of the file is open yet" test -z "$(probe windows | grep -x 'doc: posledni.txt')"
# the Soubor menu for a person to look at: taken once its popup has mapped and shows its items
xdotool search --onlyvisible --class '.*' 2>/dev/null | sort >"$E2E_TMP/windows.before"
popup() { xdotool search --onlyvisible --class '.*' 2>/dev/null | sort | comm -13 "$E2E_TMP/windows.before" - | head -1; }
menu_drawn() {
  local p; p=$(popup)
  [ -n "$p" ] && import -display "$DISPLAY" -window "$p" "$E2E_TMP/popup.png" 2>/dev/null &&
    [ "$(convert "$E2E_TMP/popup.png" -format '%[fx:standard_deviation>0.05]' info: 2>/dev/null)" = 1 ]
}
xw_key "$W" alt+s
check "Alt+S opens the Soubor menu" wait_for menu_drawn
import -display "$DISPLAY" -window root "$BUILD/e2e-recent-menu.png" 2>/dev/null
xdotool key 1 2>/dev/null
check "Alt+S, 1 opens the file again" wait_for has_document posledni.txt
check "with its text" wait_for text_shown
probe close
check "the program ends" nv_wait_exit 20
check "the file is still the first of the list" recent_key
e2e_finish
