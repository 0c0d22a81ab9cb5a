#!/bin/sh
# scripts/wine-run.sh — runs a Windows program under the project's own Wine prefix.
#   wine-run.sh PROGRAM.exe [ARGS]   run it (ctest's cross-compiling emulator)
#   wine-run.sh --up                 only prepare: display, prefix, warm wineserver
#   wine-run.sh --down               stop this prefix's Wine processes and the Xvfb it started
#   wine-run.sh --env                print the environment lines (for scripts that drive windows)
# Its copy lives in the build folder; the state sits beside it in wine/ (prefix, ready, xvfb.pid).
# WINE_RUN_DISPLAY (default :73) is the Xvfb display used when $DISPLAY is unset or unreachable.
set -eu
state=$(cd "$(dirname "$0")" && pwd)/wine
xdisp=${WINE_RUN_DISPLAY:-:73}
export WINEPREFIX="$state/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its ANSI code page from the Unix locale: cs_CZ gives 1250. LC_ALL beats CI's LC_ALL=C.
export LC_ALL=cs_CZ.UTF-8
mkdir -p "$state"

reachable() { [ -n "$1" ] && xdpyinfo -display "$1" >/dev/null 2>&1; }

if [ "${1:-}" = --locked-init ]; then
  if ! reachable "$DISPLAY"; then
    # no auto-repeat: on a loaded machine a key that xdotool holds a moment too long would
    # repeat (Ctrl+N twice opened two documents)
    Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp -r </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    i=0; until reachable "$DISPLAY"; do
      i=$((i + 1)); [ $i -le 200 ] || { echo "wine-run: Xvfb $DISPLAY did not start" >&2; exit 1; }
      sleep 0.05
    done
  fi
  if [ ! -f "$state/ready-3" ]; then
    wineboot -i </dev/null >"$state/wineboot.log" 2>&1
    # No crash dialog (it would wait for a click), and unmanaged windows: without a window
    # manager every destroyed managed top-level window waits 2 s for an answer.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    # the Windows core fonts by their metric twins from fonts-liberation, as a Windows user has them
    for pair in "Times New Roman=Liberation Serif" "Arial=Liberation Sans" "Courier New=Liberation Mono"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f \
        </dev/null >/dev/null 2>&1
    done
    # Wine's own fonts (Debian's fonts-wine) in the prefix's Fonts folder: Marlett draws the
    # caption buttons and the scroll arrows (without it they show as the letters "0 1 r"),
    # Tahoma and MS Sans Serif are the dialog fonts, Wingdings the symbol font.
    fonts=/usr/share/wine/fonts
    if [ -f "$fonts/marlett.ttf" ]; then
      mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
      for f in marlett.ttf tahoma.ttf tahomabd.ttf wingding.ttf ms_sans_serif.ttf; do
        [ ! -f "$fonts/$f" ] || cp "$fonts/$f" "$WINEPREFIX/drive_c/windows/Fonts/"
      done
    else
      echo "wine-run: $fonts/marlett.ttf is missing (scripts/deps.sh installs fonts-wine)" >&2
    fi
    timeout 60 wineserver -w
    touch "$state/ready-3"
  fi
  # One warm wineserver across tests. When this call starts it, Wine's system processes start
  # here on /dev/null, not on a test's stderr (ctest would wait for that pipe to close).
  if wineserver -p"${WINE_RUN_PERSIST:-30}" </dev/null >/dev/null 2>&1; then
    wine cmd /c exit </dev/null >/dev/null 2>&1
  fi
  exit 0
fi

if [ "${1:-}" = --down ]; then
  wineserver -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then
    pid=$(cat "$state/xvfb.pid")
    if [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = Xvfb ]; then kill "$pid"; fi
    rm -f "$state/xvfb.pid"
  fi
  exit 0
fi

if reachable "${DISPLAY:-}"; then :; else DISPLAY=$xdisp; fi
export DISPLAY
flock -o "$state/lock" "$0" --locked-init
case "${1:-}" in
  --up) exit 0 ;;
  --env) echo "export WINEPREFIX='$WINEPREFIX' DISPLAY='$DISPLAY' WINEDEBUG=-all" \
              "WINEDLLOVERRIDES='mscoree,mshtml=' LC_ALL=cs_CZ.UTF-8"; exit 0 ;;
esac
exec wine "$@"
