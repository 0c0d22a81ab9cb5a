#!/bin/bash
# tests/e2e/install.sh BUILD_WIN_DIR CMAKE PACKAGE_ARGS... — the packages as a user gets them:
# packs them (packaging/package.cmake with the build's own arguments), installs silently per
# user and per machine, starts the installed program from another folder, uninstalls; and
# checks the portable zip holds the same program folder.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
cmake_=$2; shift 2
src=$(cd "$(dirname "$0")/../.." && pwd)

version=$(sed -n 's/.*VALUE "ProductVersion", "\([0-9.]*\).*/\1/p' "$src/app/notavo.rc")
"$cmake_" "$@" -DDIST_DIR="$E2E_TMP/dist" -DWORK_DIR="$E2E_TMP/package" -P "$src/packaging/package.cmake" \
  >"$E2E_TMP/package.log" 2>&1
check "packages made" test -f "$E2E_TMP/dist/Notavo-$version-install.exe" -a -f "$E2E_TMP/dist/Notavo-$version-portable.zip"
installer=$E2E_TMP/dist/Notavo-$version-install.exe
# the program files: the package's own list (files.nsh has one Delete line per file)
mapfile -t files < <(sed -n 's/.*Delete "\$INSTDIR\\\(.*\)"/\1/p' "$E2E_TMP/package/files.nsh")
check "the program files are listed" test "${#files[@]}" -ge 7

c=$WINEPREFIX/drive_c
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Notavo'
reg_value() { wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'; }
has_all_files() { local f; for f in "${files[@]}" uninstall.exe; do [ -f "$1/$f" ] || return 1; done; }
gone() { [ ! -e "$1" ]; }
# the user guide, when the build makes one: its window is titled as its project says
has_help() { printf '%s\n' "${files[@]}" | grep -qx napovedaN5.chm; }
help_title=$(sed -n 's/^Title=//p' "$src/help/napoveda.hhp" 2>/dev/null | tr -d '\r')

# install_and_use ROOT DIR STARTMENU [INSTALLER ARGS...]
install_and_use() {
  local root=$1 dir=$2 menu=$3; shift 3
  rm -rf "$DATA"
  # the user's own conversion table, as the converter writes it when the program folder refuses
  mkdir -p "$DATA/Prevodnik" && printf 'xy' >"$DATA/Prevodnik/characters.dia"
  wine "$installer" /S "$@" >>"$E2E_TMP/install.log" 2>&1
  check "$root: every program file installed" has_all_files "$dir"
  check "$root: Start-menu shortcut" test -f "$menu"
  check "$root: registered with the version of the program" test "$(reg_value "$root" DisplayVersion)" = "$version"
  local size kib
  size=$(reg_value "$root" EstimatedSize)
  kib=$(du -k --apparent-size -s "$dir" | cut -f1)
  check "$root: registered size in KiB ($((size)) for $kib)" test $((size)) -gt 0 -a $((size - kib)) -le 8 -a $((kib - size)) -le 8
  check "$root: uninstaller registered" test "$(reg_value "$root" QuietUninstallString)" != ""

  # started from elsewhere, by its full path: it must find its libraries in its own folder
  local before
  before=$(ls "$dir")
  mkdir -p "$E2E_TMP/cwd" && cd "$E2E_TMP/cwd"
  wine "$(winpath_c "$dir")\\Notavo.exe" >>"$E2E_TMP/notavo.log" 2>&1 &
  NV_PID=$!
  check "$root: the installed program starts" xw_wait '^Notavo$' 40
  check "$root: its Czech language library is found" test "$(probe windows | grep '^doc: ')" = "doc: Dokument 1"
  if has_help; then
    probe command 1600 # Nápověda > Témata nápovědy: the user guide beside the program
    check "$root: its help opens" xw_wait "^$help_title\$" 20
  fi
  probe close
  check "$root: it ends when its window closes" nv_wait_exit 20
  check "$root: settings written in the user's data folder" test -f "$DATA/Notavo.ini"
  check "$root: nothing written into the program folder" test "$(ls "$dir")" = "$before"
  check "$root: the user's own conversion table outlives the normal end" test "$(cat "$DATA/Prevodnik/characters.dia")" = xy
  cd "$E2E_TMP"
}

# uninstall ROOT DIR SHORTCUT... : the uninstaller copies itself away and returns at once
uninstall() {
  local root=$1 dir=$2 s; shift 2
  wine "$(winpath_c "$dir")\\uninstall.exe" /S >>"$E2E_TMP/install.log" 2>&1
  check "$root: no program file left" wait_for gone "$dir"
  for s in "$@"; do check "$root: shortcut removed: ${s#"$c"/}" wait_for gone "$s"; done
  check "$root: no longer registered" test -z "$(reg_value "$root" DisplayVersion)"
  check "$root: the data folder, its settings and the user's table stay" \
    test -f "$DATA/Notavo.ini" -a -f "$DATA/Prevodnik/characters.dia"
}
# winpath_c /prefix/drive_c/x/y -> C:\x\y
winpath_c() { printf 'C:%s' "$(printf '%s' "${1#"$c"}" | tr / '\\')"; }

# per user, the default: the user's own programs folder, no desktop shortcut unless asked
user_dir="$c/users/root/AppData/Local/Programs/Notavo"
user_menu="$c/users/root/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Notavo.lnk"
install_and_use HKCU "$user_dir" "$user_menu"
check "HKCU: no per-machine entry" test -z "$(reg_value HKLM DisplayVersion)"
uninstall HKCU "$user_dir" "$user_menu"

# per machine, with a desktop shortcut: Program Files and the shortcuts of every user
machine_dir="$c/Program Files/Notavo"
machine_menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Notavo.lnk"
machine_desktop="$c/users/Public/Desktop/Notavo.lnk"
install_and_use HKLM "$machine_dir" "$machine_menu" /AllUsers /Desktop
check "HKLM: desktop shortcut when asked" test -f "$machine_desktop"
uninstall HKLM "$machine_dir" "$machine_menu" "$machine_desktop"

# the portable zip: one folder, the same program files
mkdir -p "$E2E_TMP/zip" && (cd "$E2E_TMP/zip" && unzip -q "$E2E_TMP/dist/Notavo-$version-portable.zip")
zip_ok() {
  local f
  [ "$(ls "$E2E_TMP/zip")" = Notavo ] || return 1
  [ "$(ls "$E2E_TMP/zip/Notavo" | wc -l)" = "${#files[@]}" ] || return 1
  for f in "${files[@]}"; do cmp -s "$E2E_TMP/zip/Notavo/$f" "$E2E_TMP/package/Notavo/$f" || return 1; done
}
check "the zip holds the program folder" zip_ok
e2e_finish
