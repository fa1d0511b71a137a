#!/usr/bin/env bash
# Redraws the program's picture, about/lirovant.jpg: a notepad page with a
# spiral binding and lines of Cyrillic letters on a blue tile. Needs ImageMagick
# and the Liberation fonts.
set -euo pipefail
out=${1:-$(cd "$(dirname "$0")" && pwd)/lirovant.jpg}
bold=/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf
sans=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
args=(-size 128x128 gradient:'#7fb2e5-#1d4f91'
  -fill '#00000040' -stroke none -draw 'roundrectangle 27,19 109,123 6,6'
  -fill white -stroke '#8aa0b8' -strokewidth 1
  -draw 'polygon 22,14 92,14 106,28 106,118 22,118'
  -fill '#d6e2f0' -draw 'polygon 92,14 92,28 106,28'
  -stroke '#a9c4e6')
for y in 52 64 76 88 100 112; do args+=(-draw "line 24,$y 104,$y"); done
args+=(-stroke '#e06060' -draw 'line 33,30 33,117'
  -stroke none -fill '#1d2f7a' -font "$bold" -pointsize 30 -annotate +37+50 'Лир'
  -fill '#2b4aa0' -font "$sans" -pointsize 11
  -annotate +37+62 'абвгд ежз' -annotate +37+74 'клмн опрс'
  -annotate +37+86 'туфх цчшщ' -annotate +37+98 'эюя ёйъь' -annotate +37+110 'АБВ ГДЕ…'
  -fill '#f0f0f0' -stroke '#505a64' -strokewidth 2)
for x in 36 50 64 78 92; do args+=(-draw "ellipse $x,17 3,7 0,360"); done
convert "${args[@]}" -strip -quality 85 -sampling-factor 2x2 "$out"
