#!/bin/bash
# tests/e2e/startup.sh BUILD_WIN_DIR — the real program, started from another folder with a Czech
# text file on its command line: its document, its language, and the settings file it writes.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

rm -rf "$DATA"
# a language library planted in the current folder must never be loaded
mkdir -p "$E2E_TMP/cwd"
cp "$BUILD/tests/planted.dll" "$E2E_TMP/cwd/lang.aa.dll"
text=$'Příliš žluťoučký kůň úpěl ďábelské ódy.\r\nŠŤŮŽ ěščřžýáíé'
printf '%s' "$text" | iconv -f UTF-8 -t CP1250 >"$E2E_TMP/žluťoučký kůň.txt"

cd "$E2E_TMP/cwd"
nv_start "$(winpath "$E2E_TMP/žluťoučký kůň.txt")"
check "main window appears" xw_wait '^Notavo$' 40
out=$(probe windows)
check "one document, captioned with the file's name" \
  test "$(grep -c '^doc: ' <<<"$out")" = 1 -a "$(grep '^doc: ' <<<"$out")" = "doc: žluťoučký kůň.txt"
expected=$(printf '%s' "$text" | tr -d '\r')
check "the Czech text, byte for byte" test "$(grep '^text: ' -A1 <<<"$out" | sed 's/^text: //' | tr -d '\r')" = "$expected"

probe close
check "the program ends when its window is closed" nv_wait_exit 20
check "settings file written to the data folder" test -f "$DATA/Notavo.ini"
ini=$(ini_text 2>/dev/null)
for section in Okno Editor Nastaveni Zobrazeni Ulozeni Jazyk; do
  check "section [$section]" grep -qx "\[$section\]" <<<"$(tr -d '\r' <<<"$ini")"
done
check "colours by name" grep -q '^Barva=clBlack' <<<"$(tr -d '\r' <<<"$ini")"
check "background by name" grep -q '^Pozadi=clWhite' <<<"$(tr -d '\r' <<<"$ini")"
check "only the settings file is left" test "$(ls "$DATA")" = "Notavo.ini"

# again without a file: an untitled document named in Czech, so the planted library was not used
# (it would name it "Text 1"); the exit command ends without touching the settings file
sed -i 's/^Velikost=12/Velikost=14/' "$DATA/Notavo.ini"
before=$(md5sum <"$DATA/Notavo.ini")
nv_start
check "main window appears again" xw_wait '^Notavo$' 40
check "untitled document with the Czech title" test "$(probe windows | grep '^doc: ')" = "doc: Dokument 1"
# the common dialogs' library comes at the first dialog, not with every start
maps_comdlg() { grep -qi 'comdlg32' "/proc/$NV_PID/maps"; }
no_comdlg() { test -r "/proc/$NV_PID/maps" && ! maps_comdlg; }
check "started without the dialogs' library" no_comdlg
xw_key "$(xw_wait '^Notavo$')" ctrl+o
dialog=$(xw_wait '^Otevřít$' 20)
check "Ctrl+O loads it and shows the open dialog" test -n "$dialog"
check "the library is in the process now" maps_comdlg
xw_key "$dialog" Escape
check "Esc closes the dialog" wait_for test -z "$(xdotool search --onlyvisible --name '^Otevřít$' 2>/dev/null)"
probe command 1006 # Konec (Alt+F4)
check "the exit command ends the program" nv_wait_exit 20
check "the exit command leaves the settings file as it was" test "$(md5sum <"$DATA/Notavo.ini")" = "$before"
e2e_finish
