#!/bin/bash
# scripts/run.sh BUILD_WIN_DIR — starts Notavo under Wine. Without a display: an Xvfb, a
# screenshot after a few seconds (build/win/run.png), then the program is closed again.
set -eu
win=$(cd "$1" && pwd)
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  cd "$win/out" && exec "$win/wine-run.sh" Notavo.exe "${@:2}"
fi
unset DISPLAY
"$win/wine-run.sh" --up
eval "$("$win/wine-run.sh" --env)"
(cd "$win/out" && "$win/wine-run.sh" Notavo.exe "${@:2}" >/dev/null 2>&1 &)
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name '^Notavo$' >/dev/null 2>&1 && break; sleep 0.1
done
sleep 7 # past the start-up picture
import -window root "$win/run.png"
echo "Notavo is running on the virtual display $DISPLAY; screenshot: $win/run.png"
"$win/wine-run.sh" --down
