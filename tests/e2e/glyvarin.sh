#!/bin/bash
# tests/e2e/glyvarin.sh BUILD_WIN_DIR — the character converter in the real program: a Czech RTF
# document with mixed formatting is opened, converted by the convert-characters command over
# the shipped table (Czech letters to plain ones), saved and closed; the saved file is then read
# with tools of its own (pandoc for the text, iconv for the expected letters) and checked for
# its formatting groups. The converter window is opened and closed as well.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# Only the program this script started is stopped, by its own process id.
nv_kill() {
  if [ -n "${NV_PID:-}" ] && kill -0 "$NV_PID" 2>/dev/null; then
    kill -9 "$NV_PID" 2>/dev/null || true
    wait "$NV_PID" 2>/dev/null || true
  fi
  NV_PID=
}
nv_wait_exit() {
  local end=$(($(date +%s) + ${1:-20}))
  while kill -0 "$NV_PID" 2>/dev/null; do
    [ "$(date +%s)" -ge "$end" ] && return 1
    sleep 0.1
  done
  wait "$NV_PID" 2>/dev/null || true
  NV_PID=
}
command -v pandoc >/dev/null || { echo "FAILED: pandoc is missing (scripts/deps.sh installs it)"; exit 1; }

IDM_PREVODNIK=1401
IDM_PREVEST=1402
rm -rf "$DATA"
check "the program folder holds the shipped table" test "$(od -An -tx1 -N4 "$OUT/characters.dia" | tr -d ' ')" = e161e863

# --- a Czech document: bold, italic, underline, colours, a 10.5 pt run, several faces
doc=$E2E_TMP/pangram.rtf
# letters above ASCII written as \'xx escapes of Windows-1250, as RTF wants them
rtf_escape() { iconv -f UTF-8 -t CP1250 | od -An -v -tu1 | tr -s ' ' '\n' | sed '/^$/d' |
  while read -r b; do if [ "$b" -lt 128 ]; then printf "\\$(printf '%03o' "$b")"; else printf '%s%02x' "\\'" "$b"; fi; done; }
{
  printf '%s\n' '{\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss\fcharset238 Arial;}}'
  printf '%s\n' '{\colortbl;\red200\green0\blue0;\red0\green0\blue200;}'
  printf '%s' 'Příliš {\b žluťoučký} kůň {\i\cf1 úpěl} ďábelské ódy.\par ' | rtf_escape | sed 's/^/\\pard\\f0\\fs24 /'
  printf '%s' '{\f1\fs21\ul Šťastný Čech} řeže {\cf2\b ŘEŘICHU} a {\strike ŽÍZNIVÝ} Ťuk pije ÚŽASNOU vodu.\par ' | rtf_escape
  printf '%s\n' '}'
} >"$doc"
# its text, paragraph by paragraph (pandoc would read the \'xx escapes as Windows-1252)
original="Příliš žluťoučký kůň úpěl ďábelské ódy.
Šťastný Čech řeže ŘEŘICHU a ŽÍZNIVÝ Ťuk pije ÚŽASNOU vodu."

nv_start "$(winpath "$doc")"
W=$(xw_wait '^Notavo$' 40)
check "main window appears" test -n "$W"

# the converter window opens over the main window and shows the table
probe command $IDM_PREVODNIK
top=$(wait_for probe top GlyvarinPrevodnik >/dev/null; probe top GlyvarinPrevodnik)
check "the converter window opens" grep -q '^top: |1|' <<<"$top"
check "its grid and OK button are there" test "$(grep -c '^child: \(SysListView32\|Button|OK\)' <<<"$top")" = 2
import -display "$DISPLAY" -window root "$BUILD/e2e-glyvarin-window.png" 2>/dev/null
# its OK button, clicked: the table is saved as it stands and the window closes
ok=$(grep '^child: Button|OK|' <<<"$top" | head -1 | cut -d'|' -f3)
read -r bx by bw bh <<<"$ok"
dia_before=$(md5sum <"$OUT/characters.dia")
xdotool mousemove $((bx + bw / 2)) $((by + bh / 2)) click 1 2>/dev/null
gone() { ! probe top GlyvarinPrevodnik | grep -q '^top: '; }
check "OK closes the converter window" wait_for gone
check "OK wrote the same table back" test "$(md5sum <"$OUT/characters.dia")" = "$dia_before"

# --- convert the whole document (nothing selected), as the menu item does, then save it
probe command $IDM_PREVEST
converted() { probe windows | grep -q '^text: Prilis zlutoucky'; }
check "the document's text is converted" wait_for converted
before=$(md5sum <"$doc")
xw_key "$W" ctrl+s
changed() { [ "$(md5sum <"$doc")" != "$before" ]; }
check "Ctrl+S writes the converted document" wait_for changed
probe close
check "the saved document closes without a question" nv_wait_exit 20

# --- the saved file, read by pandoc, against iconv's transliteration of the original text
# (the converted file is plain ASCII text in RTF, which pandoc reads whatever the code page;
# its strike-out marks and the blank lines between paragraphs are dropped for the comparison)
saved=$(pandoc -f rtf -t plain --wrap=none "$doc" | sed 's/~~//g; /^$/d')
expected=$(iconv -f UTF-8 -t ASCII//TRANSLIT <<<"$original")
check "the saved text is the original without its diacritics" test "$saved" = "$expected"
check "no Czech letter is left" test -z "$(grep -o '[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]' <<<"$saved")"
md=$(pandoc -f rtf -t markdown --wrap=none "$doc")
check "the bold words stay bold" grep -q '\*\*zlutoucky\*\*' <<<"$md"
check "the italic word stays italic" grep -q '\*upel\*' <<<"$md"
check "the struck-out word stays struck out" grep -q '~~ZIZNIVY~~' <<<"$md"
rtf=$(tr -d '\r\n\0' <"$doc") # Wine: the control ends its RTF with a zero byte
check "the colours are kept (red and blue in the colour table)" grep -q '\\red200\\green0\\blue0' <<<"$rtf"
check "the 10.5 point run is kept" grep -q '\\fs21' <<<"$rtf"
check "the underlined run is kept" grep -q '\\ul' <<<"$rtf"
e2e_finish
