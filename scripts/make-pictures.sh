#!/bin/sh
# scripts/make-pictures.sh OUTDIR — draws the start-up picture (splash.jpg, 503x203) and the
# about picture (about.jpg, 121x121) with ImageMagick. Same tools and fonts, same bytes.
set -eu
out=$1
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
for f in "$bold"; do [ -f "$f" ] || { echo "make-pictures: missing font $f" >&2; exit 1; }; done

deep='#0b2350'
light='#2b8ad6'
accent='#f5a524'
accent2='#ffd166'

# A sheet of paper with lines of text and a caret, centred on 0,0 (used by both pictures).
# $1 scale (percent)
sheet() {
  s=$1
  c() { echo $(($1 * s / 100)); }
  printf '%s' "
    fill rgba(255,255,255,0.22) roundrectangle $(c -46),$(c -60) $(c 46),$(c 60) $(c 7),$(c 7)
    push graphic-context rotate 9
      fill rgba(255,255,255,0.35) roundrectangle $(c -46),$(c -60) $(c 46),$(c 60) $(c 7),$(c 7)
    pop graphic-context
    push graphic-context rotate -6
      fill rgba(255,255,255,0.97) roundrectangle $(c -46),$(c -60) $(c 46),$(c 60) $(c 7),$(c 7)
      fill #1d5fbf roundrectangle $(c -32),$(c -44) $(c 18),$(c -36) $(c 2),$(c 2)
      fill #b9c7dc
      roundrectangle $(c -32),$(c -24) $(c 32),$(c -20) $(c 2),$(c 2)
      roundrectangle $(c -32),$(c -12) $(c 26),$(c -8) $(c 2),$(c 2)
      roundrectangle $(c -32),$(c 0) $(c 32),$(c 4) $(c 2),$(c 2)
      roundrectangle $(c -32),$(c 12) $(c 12),$(c 16) $(c 2),$(c 2)
      roundrectangle $(c -32),$(c 24) $(c 30),$(c 28) $(c 2),$(c 2)
      fill $accent roundrectangle $(c -32),$(c 36) $(c -4),$(c 40) $(c 2),$(c 2)
      fill #0b2350 rectangle $(c -1),$(c 33) $(c 1),$(c 43)
    pop graphic-context"
}

# --- start-up picture: gradient sky, light waves, the name, a sheet; white band for the links
W=503 H=203 band=168
convert -size ${W}x${H} -define gradient:angle=105 gradient:"$deep-$light" \
  \( -size 420x420 radial-gradient:'rgba(255,255,255,0.38)-rgba(255,255,255,0)' \) \
  -geometry +230-170 -compose screen -composite -compose over \
  -fill none -strokewidth 1.4 \
  -stroke 'rgba(255,255,255,0.20)' -draw "path 'M -10,150 C 110,95 250,185 520,100'" \
  -stroke 'rgba(255,255,255,0.14)' -draw "path 'M -10,128 C 140,80 270,170 520,78'" \
  -stroke 'rgba(255,255,255,0.10)' -draw "path 'M -10,106 C 160,60 300,150 520,52'" \
  -stroke 'rgba(255,209,102,0.35)' -draw "path 'M -10,160 C 120,118 260,190 520,124'" \
  -stroke none \
  "$tmp/sky.png"

# the name with a soft shadow
convert -size ${W}x${H} xc:none -font "$bold" -pointsize 64 -fill 'rgba(0,10,40,0.55)' \
  -annotate +33+107 Notavo -blur 0x4 "$tmp/shadow.png"
convert "$tmp/sky.png" "$tmp/shadow.png" -composite \
  -font "$bold" -pointsize 64 -fill white -annotate +30+103 Notavo \
  -fill "$accent" -draw "roundrectangle 33,120 93,125 2,2" \
  -fill "$accent2" -draw "roundrectangle 99,120 113,125 2,2" \
  -draw "translate 418,84 $(sheet 100)" \
  -fill "$accent" -draw "rectangle 0,$((band - 3)) $W,$((band - 1))" \
  -fill white -draw "rectangle 0,$band $W,$H" \
  -strip -sampling-factor 1x1 -quality 93 "$out/splash.jpg"

# --- about picture: the same sky and sheet in a square
convert -size 121x121 -define gradient:angle=120 gradient:"$deep-$light" \
  \( -size 160x160 radial-gradient:'rgba(255,255,255,0.40)-rgba(255,255,255,0)' \) \
  -geometry +20-70 -compose screen -composite -compose over \
  -fill none -strokewidth 1.2 \
  -stroke 'rgba(255,255,255,0.18)' -draw "path 'M -5,100 C 30,80 70,120 130,84'" \
  -stroke 'rgba(255,209,102,0.35)' -draw "path 'M -5,110 C 40,88 80,128 130,96'" \
  -stroke none -draw "translate 60,61 $(sheet 72)" \
  -strip -sampling-factor 1x1 -quality 93 "$out/about.jpg"
