#!/usr/bin/env bash
# Draws every picture trophex loads into a tournament folder: one 78 x 53 flag per
# team (through tools/flaggen, named as the eight group files say), the empty-slot
# flag, the logo, the mascot, the trophy, the page backgrounds and the window icon.
# Everything but the flags is drawn here from plain shapes; run it again after
# changing a team.
# Usage: tools/picturegen/make-pictures.sh [FOLDER]   (default: examples/tournament)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dir=${1:-$here/examples/tournament}
font=$(fc-match -f '%{file}' 'Comic Sans MS:bold')

# BMP3 keeps the files to the plain Windows 3 layout every reader accepts, with an 8-bit
# palette to keep them small; stripping removes metadata so every run gives the same bytes.
bmp() { local o=${!#}; convert "${@:1:$#-1}" -strip -colors 256 -type Palette -compress none "$o"; }
out() { echo "BMP3:$dir/$1"; }

# The flags: real flags for the countries, plain pictures with initials for
# other teams, drawn by the program's own routine (tools/flaggen) from the
# team names in the group files, under the flag names the files hold.
flaggen=${FLAGGEN:-$here/build/bin/flaggen}
if [ ! -x "$flaggen" ]; then
  echo "make-pictures: $flaggen is missing; build it first (tools/dev build)" >&2
  exit 1
fi
"$flaggen" "$dir" >/dev/null

# An empty bracket slot: a grey field with a question mark.
bmp -size 78x53 xc:'#d8d8d8' -fill none -stroke '#808080' -draw 'rectangle 0,0 77,52' \
    -stroke none -fill '#808080' -font "$font" -pointsize 36 -gravity center -annotate +0+0 '?' "$(out defaut.bmp)"

# The program's emblem: a blue shield with a ball and the letters of the program.
bmp -size 240x90 xc:'#f4f1e6' \
    -fill '#0033a0' -draw 'roundrectangle 4,4 235,85 14,14' \
    -fill white -draw 'circle 45,45 45,75' \
    -fill black -draw 'polygon 45,33 56,41 52,54 38,54 34,41' \
    -stroke black -strokewidth 2 -draw 'line 45,33 45,16' -draw 'line 56,41 72,36' \
    -draw 'line 52,54 62,69' -draw 'line 38,54 28,69' -draw 'line 34,41 18,36' -stroke none \
    -fill '#ffcd00' -font "$font" -pointsize 40 -annotate +88+58 'Trophex' \
    -fill white -pointsize 12 -annotate +92+78 'the tournament follower' "$(out sigle.bmp)"

# The mascot: a round ball fellow with eyes, a smile and a cap.
bmp -size 64x64 xc:'#e8f0ff' \
    -fill white -stroke black -strokewidth 2 -draw 'circle 32,36 32,60' -stroke none \
    -fill black -draw 'polygon 32,30 40,36 37,45 27,45 24,36' \
    -fill '#c8102e' -draw 'ellipse 32,16 20,8 180,360' -draw 'rectangle 30,14 54,17' \
    -fill black -draw 'circle 25,27 25,29' -draw 'circle 39,27 39,29' \
    -fill none -stroke black -strokewidth 2 -draw 'arc 22,38 42,54 20,160' "$(out mascot.bmp)"

# The trophy drawn big for the champion screen.
bmp -size 611x545 xc:'#1d2b53' \
    -fill '#2c3e73' -draw 'circle 305,260 305,10' \
    -fill '#ffcd00' -stroke '#b08800' -strokewidth 4 \
    -draw 'path "M 215 110 L 395 110 Q 395 300 305 330 Q 215 300 215 110 Z"' \
    -fill none -draw 'arc 165 130 235 230 90 270' -draw 'arc 375 130 445 230 270 90' \
    -fill '#ffcd00' -draw 'rectangle 290,330 320,400' -draw 'rectangle 240,400 370,430' \
    -fill '#7a4a1d' -stroke none -draw 'rectangle 225,430 385,470' \
    -fill '#ffcd00' -font "$font" -pointsize 22 -annotate +262+458 'Champion' "$(out coupe.bmp)"

# Background of the rankings window: a podium.
bmp -size 520x400 xc:'#eef3e0' \
    -fill '#c9d8a8' -draw 'rectangle 0,330 519,399' \
    -fill '#ffcd00' -draw 'rectangle 200,200 320,330' \
    -fill '#c0c0c0' -draw 'rectangle 80,240 200,330' \
    -fill '#cd7f32' -draw 'rectangle 320,265 440,330' \
    -fill '#404040' -font "$font" -pointsize 48 -annotate +246+280 '1' -annotate +126+300 '2' -annotate +366+315 '3' \
    "$(out logo.bmp)"

# Page backgrounds: a pitch, a dark net, and three players.
bmp -size 640x330 xc:'#2e8b3a' -fill '#34a042' \
    -draw 'rectangle 0,0 79,329' -draw 'rectangle 160,0 239,329' -draw 'rectangle 320,0 399,329' -draw 'rectangle 480,0 559,329' \
    -fill none -stroke white -strokewidth 3 -draw 'rectangle 8,8 631,321' -draw 'line 320,8 320,321' \
    -draw 'circle 320,165 320,220' -draw 'rectangle 8,90 90,240' -draw 'rectangle 550,90 631,240' "$(out soccer.bmp)"
bmp -size 640x330 xc:'#101010' -fill none -stroke '#303030' -strokewidth 2 \
    -draw 'path "M 0 0 L 640 330 M 80 0 L 640 290 M 160 0 L 640 248 M 0 80 L 560 330 M 0 160 L 400 330"' \
    -draw 'path "M 640 0 L 0 330 M 560 0 L 0 290 M 480 0 L 0 248 M 640 80 L 80 330 M 640 160 L 240 330"' "$(out noirs.bmp)"
player() {
  local name=$1 shirt=$2 field=$3
  bmp -size 640x330 xc:"$field" \
      -fill '#f0c8a0' -draw 'circle 320,70 320,100' \
      -fill "$shirt" -draw 'polygon 270,110 370,110 400,170 375,180 365,150 360,230 280,230 275,150 265,180 240,170' \
      -fill white -draw 'rectangle 280,230 360,270' \
      -fill black -draw 'rectangle 285,270 310,315' -draw 'rectangle 330,270 355,315' \
      -fill white -stroke black -strokewidth 2 -draw 'circle 420,300 420,318' "$(out "$name")"
}
player buteur.bmp '#c8102e' '#dfeedd'
player gardien.bmp '#ffcd00' '#dde6ee'
player libero.bmp '#0033a0' '#eee8dd'

# The window icon: a ball on blue, in two sizes.
convert -size 32x32 xc:'#0033a0' -fill white -draw 'circle 16,16 16,29' \
    -fill black -draw 'polygon 16,11 21,15 19,21 13,21 11,15' \
    \( +clone -resize 16x16 \) -strip "$dir/tpx.ico"
