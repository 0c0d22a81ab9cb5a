# tests/e2e/lib.sh — helpers for end-to-end scripts: the real Notavo.exe under the project's Wine
# prefix and Xvfb. Source it, then call e2e_init BUILD_WIN_DIR.
# Works with LC_ALL=C and no DISPLAY in the caller's environment.

e2e_init() {
  BUILD=$(cd "$1" && pwd)
  OUT=$BUILD/out
  "$BUILD/wine-run.sh" --up
  eval "$("$BUILD/wine-run.sh" --env)"
  export LC_ALL=cs_CZ.UTF-8
  DATA="$WINEPREFIX/drive_c/users/root/AppData/Roaming/Mirabund/Notavo"
  E2E_TMP=$(mktemp -d /tmp/nv-e2e.XXXXXX)
  E2E_FAILS=0
  E2E_PASSES=0
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  nv_kill
  rm -rf "$E2E_TMP"
  rm -rf "$DATA" # what a test left in the program's data folder never reaches the next user of the prefix
}

# check NAME COMMAND... : one assertion
check() {
  local name=$1; shift
  if "$@"; then E2E_PASSES=$((E2E_PASSES + 1)); echo "ok: $name"
  else E2E_FAILS=$((E2E_FAILS + 1)); echo "FAILED: $name"; fi
}
e2e_finish() {
  echo "$E2E_PASSES passed, $E2E_FAILS failed"
  [ "$E2E_FAILS" -eq 0 ]
}

# winpath /unix/path -> Z:\unix\path
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }

# nv_start [ARGS...] : starts Notavo.exe in the background; NV_PID is its Wine process
# (/usr/bin/wine execs the loader, which becomes the Windows process)
nv_start() {
  wine "$OUT/Notavo.exe" "$@" >>"$E2E_TMP/notavo.log" 2>&1 &
  NV_PID=$!
}
# nv_crash : SIGKILL, no chance to clean up, as a crash or a power cut would end it. The
# wineserver and Wine's own processes stay, as Windows stays after a program crashes.
nv_crash() {
  [ -n "${NV_PID:-}" ] || return 1
  kill -9 "$NV_PID" 2>/dev/null
  wait "$NV_PID" 2>/dev/null
  NV_PID=
  return 0
}
# nv_kill : ends the program hard if it still runs (by its id only: other Notavo processes on
# the machine are never touched)
nv_kill() {
  if [ -n "${NV_PID:-}" ] && kill -0 "$NV_PID" 2>/dev/null; then nv_crash; fi
  NV_PID=
}
# nv_wait_exit [timeout] : 0 once the program has ended by itself
nv_wait_exit() {
  local end=$(($(date +%s) + ${1:-20}))
  while [ -n "${NV_PID:-}" ] && kill -0 "$NV_PID" 2>/dev/null; do
    [ "$(date +%s)" -ge "$end" ] && return 1
    sleep 0.1
  done
  wait "$NV_PID" 2>/dev/null
  NV_PID=
  return 0
}

probe() { wine "$BUILD/tests/probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

# xw_wait TITLE_REGEX [timeout] : prints the X id of the first visible window with that title
xw_wait() {
  local end=$(($(date +%s) + ${2:-30})) w
  while [ "$(date +%s)" -le "$end" ]; do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$w" ] && { sleep 0.3; echo "$w"; return 0; }
    sleep 0.05
  done
  echo "xw_wait: no window '$1'" >&2
  return 1
}
# xw_focus WID : keyboard to that window (no window manager: focus follows the pointer)
xw_focus() { xdotool mousemove --window "$1" 60 60 2>/dev/null; sleep 0.1; }
# xw_type WID TEXT : types UTF-8 text; the Latin-1 capitals ÁÉÍÓÚÝ go as shift+key
xw_type() {
  xw_focus "$1"
  local LC_ALL=C.UTF-8 s=$2 buf="" c k i
  for ((i = 0; i < ${#s}; i++)); do
    c=${s:i:1}; k=""
    case "$c" in Á) k=aacute ;; É) k=eacute ;; Í) k=iacute ;; Ó) k=oacute ;; Ú) k=uacute ;; Ý) k=yacute ;; esac
    if [ -n "$k" ]; then
      [ -n "$buf" ] && xdotool type --delay 30 "$buf" 2>/dev/null
      buf=""; xdotool key shift+$k 2>/dev/null
    else buf+=$c; fi
  done
  [ -n "$buf" ] && xdotool type --delay 30 "$buf" 2>/dev/null
  return 0
}
xw_key() { local w=$1; shift; xw_focus "$w"; xdotool key --delay 40 "$@" 2>/dev/null; }

# wait_for COMMAND... : retries a command for up to 20 s. A condition that reads something
# (a $(...) argument) must be a function: arguments are evaluated once, before the first try
wait_for() {
  local end=$(($(date +%s) + 20))
  until "$@"; do [ "$(date +%s)" -ge "$end" ] && return 1; sleep 0.2; done
}

# box_wait CAPTION : waits for a message box with that caption; prints "caption|text"
box_wait() {
  local end=$(($(date +%s) + 20)) line
  while [ "$(date +%s)" -le "$end" ]; do
    line=$(probe boxes | grep -F "box: $1|" | head -1)
    [ -n "$line" ] && { echo "${line#box: }"; return 0; }
    sleep 0.2
  done
  return 1
}

# the settings file as UTF-8
ini_text() { iconv -f CP1250 -t UTF-8 "$DATA/Notavo.ini"; }
