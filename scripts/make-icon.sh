#!/bin/sh
# scripts/make-icon.sh OUT.ico — draws the program's icon (a page with a blue "N") in 16, 32, 48 px
set -eu
out=$1; tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
for s in 16 32 48; do
  r=$((s / 8)); f=$((s * 7 / 10))
  convert -size ${s}x${s} xc:none -fill '#1d5fbf' -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $r,$r" \
    -fill white -font DejaVu-Sans-Bold -pointsize $f -gravity center -annotate +0+0 N \
    "$tmp/i$s.png"
done
convert "$tmp/i16.png" "$tmp/i32.png" "$tmp/i48.png" "$out"
