#!/bin/bash
# scripts/screenshots.sh BUILD_WIN_DIR [DOCS_DIR] — retakes the README's pictures from the real
# program under the project's Wine prefix: the main window with two Czech documents, the
# start-up window, the about window, the main window in English, the converter window, the
# settings dialog and the user guide's window. Each picture is the window itself (import
# -window), written to DOCS_DIR (default docs/). The user guide's own pictures (help/obrazky/)
# are taken in the same run: the main window, the converter, the settings dialog and the
# question that offers backup copies at the start. Every step waits for its window; nothing
# waits a fixed time.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/e2e/lib.sh"
e2e_init "$1"
docs=$(cd "${2:-$root/docs}" && pwd)

# rect_of CLASS : "WxH+X+Y" of the visible top-level window of that Win32 class, once it shows
rect_of() {
  local r end=$(($(date +%s) + 20))
  while [ "$(date +%s)" -le "$end" ]; do
    r=$(probe top "$1" | sed -n 's/^top: .*|1|\([-0-9]*\) \([-0-9]*\) \([0-9]*\) \([0-9]*\)$/\3x\4+\1+\2/p')
    [ -n "$r" ] && { echo "$r"; return 0; }
    sleep 0.1
  done
  echo "no visible window of class $1" >&2
  return 1
}
grab() { import -display "$DISPLAY" -window root -crop "$1" +repage "$2"; }
# shot CLASS FILE : the window, once its picture stops changing (painted)
shot() {
  local r a b i
  r=$(rect_of "$1") || return 1
  for ((i = 0; i < 50; i++)); do
    grab "$r" "$E2E_TMP/a.png"; grab "$r" "$E2E_TMP/b.png"
    a=$(md5sum <"$E2E_TMP/a.png"); b=$(md5sum <"$E2E_TMP/b.png")
    [ "$a" = "$b" ] && break
  done
  mv "$E2E_TMP/b.png" "$2" && echo "written: $2"
}
gone() { ! probe top "$1" | grep -q '^top: .*|1|'; }
# documents_open N : N document windows are open (a function: wait_for evaluates it every try)
documents_open() { [ "$(probe windows | grep -c '^doc: ')" = "$1" ]; }
# shot_x XID FILE : a top-level window found by its X id (windows of Wine's own libraries)
shot_x() {
  local i a b
  for ((i = 0; i < 50; i++)); do
    import -display "$DISPLAY" -window "$1" "$E2E_TMP/a.png"; import -display "$DISPLAY" -window "$1" "$E2E_TMP/b.png"
    a=$(md5sum <"$E2E_TMP/a.png"); b=$(md5sum <"$E2E_TMP/b.png")
    [ "$a" = "$b" ] && break
  done
  mv "$E2E_TMP/b.png" "$2" && echo "written: $2"
}
pictures=$root/help/obrazky
help_title=$(sed -n 's/^Title=//p' "$root/help/napoveda.hhp" | tr -d '\r')

# two documents: a formatted RTF minutes and a plain-text letter
printf '%s' '{\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss\fcharset238 Arial;}}{\colortbl ;\red32\green90\blue190;\red180\green30\blue30;}\f0\fs24{\f1\fs36\b\cf1 Zápis z porady}\par\par{\b Přítomni:} Šárka, Řehoř, Ťápal\par{\i Úkoly:} dokončit {\cf2\ul překlad} do čtvrtka\par}' |
  iconv -f UTF-8 -t CP1250 >"$E2E_TMP/zapis.rtf"
printf 'Vážená paní Nováková,\r\n\r\nděkujeme za Váš dopis. Příliš žluťoučký kůň úpěl ďábelské ódy.\r\nS pozdravem\r\nJiří Dvořák\r\n' |
  iconv -f UTF-8 -t CP1250 >"$E2E_TMP/dopis.txt"

rm -rf "$DATA"
nv_start "$(winpath "$E2E_TMP/zapis.rtf")" "$(winpath "$E2E_TMP/dopis.txt")"
shot NotavoSplasch "$docs/splash.png"
xw_wait '^Notavo$' 40 >/dev/null
wait_for documents_open 2
probe command 1501 # Okno > Vedle sebe
shot NotavoHlavni "$docs/main.png"
cp "$docs/main.png" "$pictures/hlavni.png"

probe command 1601 # Nápověda > O programu
shot NotavoAbout "$docs/about.png"
xw_key "$(xw_wait '^O programu$' 10)" Escape
wait_for gone NotavoAbout

probe command 1401 # Funkce > Převodník znaků
shot GlyvarinPrevodnik "$docs/converter.png"
cp "$docs/converter.png" "$pictures/prevodnik.png"
probe post GlyvarinPrevodnik 16 # WM_CLOSE: the close box
wait_for gone GlyvarinPrevodnik

probe command 1400 # Možnosti > Nastavení
if shot NotavoNastaveni "$docs/settings.png"; then
  cp "$docs/settings.png" "$pictures/nastaveni.png"
  probe post NotavoNastaveni 16
  wait_for gone NotavoNastaveni
fi

probe command 1600 # Nápověda > Témata nápovědy (F1); Wine draws the contents, its page pane
shot_x "$(xw_wait "^$help_title\$" 30)" "$docs/help.png" # stays blank without Wine's HTML engine
probe close
nv_wait_exit 20

# in English: the language chosen in the settings file
printf '[Jazyk]\r\nJazykovaMutace=English\r\n' >"$DATA/Notavo.ini"
nv_start
xw_wait '^Notavo$' 40 >/dev/null
wait_for documents_open 1
shot NotavoHlavni "$docs/main-english.png"
probe close
nv_wait_exit 20

# the question at the start when backup copies were left behind (two copies of a crashed run);
# the title bar is cut off: Wine draws it with a font that lacks some Czech letters
rm -rf "$DATA" && mkdir -p "$DATA"
printf '{\\rtf1\\ansi Kapitola 1\\par}' >"$DATA/kopieprvnia.bcp"
printf '{\\rtf1\\ansi Dopis\\par}' >"$DATA/kopiedruhab.bcp"
nv_start
box_wait 'Obnovení dokumentů' >/dev/null
shot_x "$(xw_wait '^Obnovení dokumentů$' 20)" "$E2E_TMP/question.png"
convert "$E2E_TMP/question.png" -crop +0+22 +repage "$pictures/obnoveni.png" && echo "written: $pictures/obnoveni.png"
probe answer 'Obnovení dokumentů' 7
xw_wait '^Notavo$' 40 >/dev/null
probe close
nv_wait_exit 20
