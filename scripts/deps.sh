#!/bin/bash
# scripts/deps.sh — installs the Debian packages the build and the tests need, when missing.
set -eu
pkgs=(locales cmake ninja-build g++ clang googletest g++-mingw-w64-x86-64-posix mingw-w64-tools
      libclang-rt-14-dev wine wine64 xvfb xauth x11-utils xdotool imagemagick nasm dpkg-dev
      fonts-liberation fonts-dejavu-core fonts-wine poppler-utils python3-xlib
      cups printer-driver-cups-pdf pandoc fp-utils nsis)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
apt_() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 "$@"; }
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt_ update
  apt_ install -y --no-install-recommends "${missing[@]}"
fi
# Wine takes its ANSI code page (1250) from cs_CZ, and it names Unix files in that locale's
# character set: without the generated locale every file name with a Czech letter fails.
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  echo "generating the locale cs_CZ.UTF-8"
  $sudo sed -i 's/^# *cs_CZ.UTF-8 UTF-8/cs_CZ.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
