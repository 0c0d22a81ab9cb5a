#!/bin/bash
# tests/e2e/settings.sh BUILD_WIN_DIR — the settings dialog in the real program, driven by the
# keyboard as a user does: Alt+M, N opens it; backup copies switched on with 3 minutes and Ok
# reach the settings file when the program closes; English chosen and Ok turns the menus and
# the converter window English at once.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# the dialog as the probe sees it: "top: <caption>|<visible>|..." and its controls
dialog() { probe top NotavoNastaveni; }
dialog_open() { dialog | grep -q '^top: .*|1|'; }
dialog_gone() { ! dialog | grep -q '^top: .*|1|'; }
# the start-up window has gone and the first document is open: the keyboard reaches the menus
started() { probe windows | grep -q '^doc: '; }
# opens the dialog with Alt+M, N (the menu "Možnosti", then its item "Nastavení")
open_dialog() {
  xw_key "$W" alt+m
  xdotool key --delay 80 n 2>/dev/null
  wait_for dialog_open
}

rm -rf "$DATA"
nv_start
W=$(xw_wait '^Notavo$' 40)
check "main window appears" test -n "$W"
check "the start-up is over" wait_for started

# --- backup copies on, every 3 minutes
check "Alt+M, N opens the settings dialog" open_dialog
check "its caption is the menu item's" grep -q '^top: Nastavení|1|' <<<"$(dialog)"
check "it holds the five check boxes, the language list and both buttons" \
  test "$(dialog | grep -c '^child: \(Button\|ComboBox\|msctls_updown32\|Edit\)')" -ge 9
import -display "$DISPLAY" -window root "$BUILD/e2e-settings-dialog.png" 2>/dev/null
# Tab order: the four boxes, the language list, the backup box, the minutes field, Ok, Zrušit
xdotool key --delay 60 Tab Tab Tab Tab Tab space Tab End BackSpace BackSpace BackSpace 3 2>/dev/null
xdotool key Return 2>/dev/null
check "Enter (Ok) closes the dialog" wait_for dialog_gone
probe close
check "the program ends" nv_wait_exit 30
check "the settings file has backup copies on" grep -qx 'Ulozeni=1' <<<"$(ini_text | tr -d '\r')"
check "... every 180000 ms" grep -qx 'Interval=180000' <<<"$(ini_text | tr -d '\r')"

# --- English, at once
nv_start
W=$(xw_wait '^Notavo$' 40)
check "the program starts again" wait_for started
check "the dialog opens again" open_dialog
# the list comes after the four boxes: Down chooses the next language, Enter is Ok
xdotool key --delay 60 Tab Tab Tab Tab Down 2>/dev/null
english_preview() { dialog | grep -q '^child: Button|Cancel|'; }
check "the dialog previews English" wait_for english_preview
xdotool key Return 2>/dev/null
check "Ok closes the dialog" wait_for dialog_gone
# Wine without a window manager leaves no window active once a modal window has gone (Windows
# activates its owner): a click on the free part of the main window gives the keyboard back
xdotool mousemove --window "$W" 600 400 click 1 2>/dev/null
# the menus, by what their keys do: Alt+F, N is "&File" > "&New" only in English (the Czech bar
# has no "F" menu), and the new document takes the English title
english_menus() { probe windows | grep -qx 'doc: Document 2'; }
xw_key "$W" alt+f
xdotool key --delay 80 n 2>/dev/null
check "the menus are English at once (Alt+F, N makes \"Document 2\")" wait_for english_menus
# the converter window, from the English menu: Alt+O (not the Czech "Okno"), C
xw_key "$W" alt+o
xdotool key --delay 80 c 2>/dev/null
converter_english() { probe columns GlyvarinPrevodnik | tr '\n' '|' | grep -q '^column: Character|column: Replacement|'; }
check "the converter window is English" wait_for converter_english
probe post GlyvarinPrevodnik 16 # its close box
converter_gone() { ! probe top GlyvarinPrevodnik | grep -q '^top: .*|1|'; }
check "the converter window closes" wait_for converter_gone
probe close
check "the program ends" nv_wait_exit 30 # two unchanged documents: no question
check "the settings file names English" grep -qx 'JazykovaMutace=English' <<<"$(ini_text | tr -d '\r')"
check "backup copies are still on" grep -qx 'Ulozeni=1' <<<"$(ini_text | tr -d '\r')"
e2e_finish
