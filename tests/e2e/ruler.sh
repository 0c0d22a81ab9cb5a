#!/bin/bash
# tests/e2e/ruler.sh BUILD_WIN_DIR — the paragraph ruler and the statistics in the real program:
# a Czech text of several paragraphs opened from the command line; the first-line marker and
# then the left marker dragged with the real mouse (xdotool) onto 100 pixels of the ruler, the
# indents read back from the control (probe indents) for the selected paragraphs and the others;
# the words and characters counted by the statistics commands against wc of the same text; the
# font dialog's starting font.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
rm -rf "$DATA"

# real prose, paragraph per line; the file goes to the program in its own code page
cat >"$E2E_TMP/prose.txt" <<'EOF'
Stará hájovna
Na kraji lesa stála stará hájovna, kterou už dlouho nikdo neobýval. Okenice se houpaly ve větru a střechou protékalo, kdykoli zapršelo; přesto k ní děti z vesnice chodily každé léto, protože za ní tekl potok plný pstruhů.
Dědeček vyprávěl, že tam kdysi bydlel hajný se psem, který uměl počítat do pěti.
Nikdo mu nevěřil, ale všichni se rádi smáli.
EOF
iconv -f UTF-8 -t CP1250 "$E2E_TMP/prose.txt" | sed 's/$/\r/' >"$E2E_TMP/hajovna.txt"

nv_start "$(winpath "$E2E_TMP/hajovna.txt")"
DOC=$(xw_wait '^Notavo$' 40) || { echo "FAILED: the main window did not appear"; e2e_finish; exit 1; }
has_document() { probe windows | grep -qx 'doc: hajovna.txt'; }
check "the document is open" wait_for has_document

# marker N's rectangle on the screen (0 first line, 1 left, 2 right): "x y w h"
marker() { probe markers | sed -n "s/^marker $1: //p"; }
# indents of paragraph N in twips: "first-line following right"
indents() { probe indents | sed -n "s/^para $1: //p"; }
indents_are() { [ "$(indents "$1")" = "$2" ]; }

# drop MARKER X : press at the marker's centre, drag in steps to X (screen), release there
drop() {
  local r x y w h
  r=$(marker "$1"); read -r x y w h <<<"$r"
  local cx=$((x + w / 2)) cy=$((y + h / 2)) i
  xdotool mousemove "$cx" "$cy" mousedown 1 2>/dev/null
  for i in 1 2 3 4; do xdotool mousemove $((cx + ($2 - cx) * i / 4)) "$cy" 2>/dev/null; done
  xdotool mouseup 1 2>/dev/null
}

wait_for test -n "$(marker 0)"
read -r fx fy fw fh <<<"$(marker 0)"
STRIP_X=$((fx - 5)) # the first-line marker stands at 5 in a new window
check "the markers stand at their design places" test "$(marker 0 | cut -d' ' -f3-4)" = "12 13"

# the caret into the second paragraph (the first is one short line), a selection down one row
# of that long paragraph: the first and the last paragraphs are outside it
xw_key "$DOC" ctrl+Home Down shift+Down
# the marker's left edge at 100: its centre (6 pixels in) under the pointer
drop 0 $((STRIP_X + 100 + 6))
check "first-line marker at 100 px: 1500 twips" wait_for indents_are 1 "1500 0 0"
drop 1 $((STRIP_X + 100 + 6))
check "left marker at 100 px: following lines -100 twips" wait_for indents_are 1 "1500 -100 0"
check "the marker stays where it was dropped" test "$(marker 1 | cut -d' ' -f1)" = $((STRIP_X + 100))
check "the first paragraph keeps its indents" indents_are 0 "0 0 0"
check "the last paragraph keeps its indents" indents_are 3 "0 0 0"
echo "indents: $(probe indents | tr '\n' ';')"
import -display "$DISPLAY" -window root "$BUILD/e2e-ruler.png" 2>/dev/null

# --- statistics of the same text: words and characters as wc counts them (line ends are not
# characters of the document)
panel4() { probe status | sed -n 's/^panel 4: //p'; }
panel4_is() { [ "$(panel4)" = "$1" ]; }
words=$(wc -w <"$E2E_TMP/prose.txt")
chars=$(tr -d '\n' <"$E2E_TMP/prose.txt" | wc -m)
nospace=$(tr -d '\n ' <"$E2E_TMP/prose.txt" | wc -m)
echo "wc: $words words, $chars characters, $nospace without spaces"
probe command 1300 # IDM_SLOVA
check "words as wc -w counts them ($words)" wait_for panel4_is "Počet slov: $words"
probe command 1301 # IDM_ZNAKY
check "characters as wc -m counts them ($chars)" wait_for panel4_is "Počet znaků: $chars"
probe command 1302 # IDM_ZNAKYBEZMEZER
check "characters without spaces ($nospace)" wait_for panel4_is "Počet znaků: $nospace"
import -display "$DISPLAY" -window root "$BUILD/e2e-ruler-stats.png" 2>/dev/null

# --- the font dialog opens at its design font (the prefix has Wine's own Tahoma)
probe command 1100 # IDM_PISMO
F=$(xw_wait '^Písmo$' 20)
font_box_has() { probe top '#32770' | grep -qF "child: ComboBox|$1|"; }
check "the font dialog starts at Tahoma" wait_for font_box_has Tahoma
check "the font dialog starts at 8 points" wait_for font_box_has 8
xw_key "$F" Escape

e2e_finish
