#!/bin/bash
# tests/e2e/splash.sh BUILD_WIN_DIR — the real program's start-up picture (about five seconds),
# then the Czech main window; the about window and its links opened with the mouse; a start in
# English from the settings file. Screenshots go to BUILD_WIN_DIR/e2e-shots/ (docs/ keeps copies).
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/crash_lib.sh" # the program handled by its process id only
e2e_init "$1"
SHOTS=$BUILD/e2e-shots
mkdir -p "$SHOTS"
rm -rf "$DATA"

# a stand-in browser and mail program: Wine's shell hands it the link target
cat >"$E2E_TMP/browser.sh" <<EOF
#!/bin/sh
echo "\$*" >>"$E2E_TMP/opened.log"
EOF
chmod +x "$E2E_TMP/browser.sh"
for v in Browsers Mailers; do
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v $v /t REG_SZ /d "$E2E_TMP/browser.sh" /f >/dev/null 2>&1
done
splash_cleanup() {
  wine reg delete 'HKCU\Software\Wine\WineBrowser' /f >/dev/null 2>&1
  e2e_cleanup
}
trap splash_cleanup EXIT

now() { date +%s.%N; }
seconds_between() { LC_ALL=C awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }
# topwin CLASS : the window's line and its controls' lines from the probe
topwin() { probe top "$1"; }
visible() { topwin "$1" | grep -q '^top: .*|1|'; }
# child_rect CLASS TEXT : "x y w h" of the control showing TEXT
child_rect() { topwin "$1" | grep -F "|$2|" | head -1 | awk -F'|' '{print $3}'; }
# pixel PNG X Y : "r g b" of one pixel of a screenshot
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 2p | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'; }
shot_of() { # shot_of OUT X Y W H : the part of the screen a window covers
  import -window root "$E2E_TMP/screen.png" && convert "$E2E_TMP/screen.png" -crop "${4}x${5}+$2+$3" +repage "$1"
}

cd "$E2E_TMP"
nv_start
wait_until_visible() { local end=$(($(date +%s) + 40)); until visible "$1"; do
  [ "$(date +%s)" -ge "$end" ] && return 1; sleep 0.1; done; }
check "the start-up window appears" wait_until_visible NotavoSplasch
shown_at=$(now)
splash=$(topwin NotavoSplasch)
check "it lies at 250,230 and is 503 by 203" grep -q '^top: |1|250 230 503 203$' <<<"$splash"
check "it shows the version line" grep -q '|Verze 5.3.5.13|' <<<"$splash"
check "it shows the web address" grep -q '|www.notavo.example|' <<<"$splash"
check "it shows the mail address" grep -q '|info@notavo.example|' <<<"$splash"
check "the main window waits hidden" test -z "$(xdotool search --onlyvisible --name '^Notavo$' 2>/dev/null)"
sleep 0.5
shot_of "$SHOTS/splash.png" 250 230 503 203
read -r r g b <<<"$(pixel "$SHOTS/splash.png" 6 6)"
check "the picture is painted: deep blue at the top left ($r $g $b)" test "$b" -gt $((r + 40))
read -r r g b <<<"$(pixel "$SHOTS/splash.png" 250 172)"
check "the picture is painted: the white band at the bottom ($r $g $b)" test "$r" -gt 240 -a "$g" -gt 240 -a "$b" -gt 240

main=$(xw_wait '^Notavo$' 40)
check "then the main window appears" test -n "$main"
gone_at=$(now)
took=$(seconds_between "$shown_at" "$gone_at")
check "the start-up window stayed about five seconds ($took s)" \
  env LC_ALL=C awk -v t="$took" 'BEGIN { exit !(t >= 4.0 && t < 20) }'
splash_gone() { ! visible NotavoSplasch; }
check "the start-up window is gone" splash_gone

# the about window through the Czech menu bar's keys: Alt+N "&Nápověda", O "&O programu"
# (Wine: another process cannot read a menu, so the menu's letters stand for its captions)
xw_key "$main" alt+n
sleep 0.3
xw_key "$main" o
about=$(xw_wait '^O programu$' 20)
check "the Czech menus open the about window, captioned from the menu" test -n "$about"
info=$(topwin NotavoAbout)
check "it shows the version" grep -q '|Verze 5.3.5.13|' <<<"$info"
check "its button reads Zavřít" grep -q '|Zavřít|' <<<"$info"
read -r ax ay aw ah <<<"$(topwin NotavoAbout | sed -n 1p | awk -F'|' '{print $3}')"
shot_of "$SHOTS/about.png" "$ax" "$ay" "$aw" "$ah"

# a click on each link opens its target through the shell; the window stays responsive
read -r lx ly lw lh <<<"$(child_rect NotavoAbout www.notavo.example)"
xdotool mousemove $((lx + 5)) $((ly + lh / 2)) click 1 2>/dev/null
read -r lx ly lw lh <<<"$(child_rect NotavoAbout info@notavo.example)"
xdotool mousemove $((lx + 5)) $((ly + lh / 2)) click 1 2>/dev/null
check "the window answers at once after the clicks" visible NotavoAbout
opened() { grep -qxF "$1" "$E2E_TMP/opened.log" 2>/dev/null; }
check "the web link opened https://www.notavo.example/" wait_for opened "https://www.notavo.example/"
check "the mail link opened mailto:info@notavo.example" wait_for opened "mailto:info@notavo.example"
xw_key "$about" Escape
check "Escape closes the about window" wait_for bash -c "! xdotool search --onlyvisible --name '^O programu$' >/dev/null 2>&1"
probe close
check "the program ends" nv_wait_exit 20

# the language from the settings file
printf '[Jazyk]\r\nJazykovaMutace=English\r\n' >"$DATA/Notavo.ini"
nv_start
main=$(xw_wait '^Notavo$' 40)
check "started again" test -n "$main"
check "the empty document has the English title" test "$(probe windows | grep '^doc: ')" = "doc: Document 1"
sleep 0.5
read -r mx my mw mh <<<"$(xdotool getwindowgeometry --shell "$main" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/{printf "%s ", $2}')"
shot_of "$SHOTS/main-english.png" "$mx" "$my" "$mw" "$mh"
xw_key "$main" alt+h
sleep 0.3
xw_key "$main" a
check "the English menus (Alt+H, A) open the about window" test -n "$(xw_wait '^About$' 20)"
check "its version line is English" grep -q '|Version 5.3.5.13|' <<<"$(topwin NotavoAbout)"
xw_key "$(xw_wait '^About$' 5)" Escape
wait_for bash -c "! xdotool search --onlyvisible --name '^About$' >/dev/null 2>&1"
probe close
check "the program ends again" nv_wait_exit 20
e2e_finish
