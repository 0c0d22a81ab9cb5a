#!/bin/bash
# scripts/deps.sh — installs the Debian packages the build and the tests need, when missing.
set -eu
pkgs=(cmake ninja-build g++ clang googletest g++-mingw-w64-x86-64-posix mingw-w64-tools
      wine wine64 xvfb xauth x11-utils xdotool imagemagick nasm dpkg-dev
      fonts-liberation fonts-dejavu-core poppler-utils python3-xlib
      cups printer-driver-cups-pdf fp-utils nsis)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
apt_() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 "$@"; }
apt_ update
apt_ install -y --no-install-recommends "${missing[@]}"
