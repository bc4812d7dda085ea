#!/usr/bin/env bash
# Renders every generated picture onto one labelled sheet to look at:
#   bash tools/assetgen/contact_sheet.sh [dist folder] [resources folder] [output.png]
# Defaults: dist/, build/native/generated/resources/, build/contact_sheet.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
dist="${1:-$root/dist}"
resources="${2:-$root/build/native/generated/resources}"
out="${3:-$root/build/contact_sheet.png}"
convert=/usr/bin/convert
montage=/usr/bin/montage
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
for file in "$dist"/graph/*.bmp "$resources"/*.bmp; do
  name="$(basename "$file" .bmp)"
  [ "$(dirname "$file")" = "$resources" ] && name="res-$name"
  # Small pictures are enlarged so their pixels can be judged.
  width="$($convert "$file" -format '%w' info:)"
  height="$($convert "$file" -format '%h' info:)"
  scale=100
  if [ "$width" -le 240 ] && [ "$height" -le 60 ]; then scale=200; fi
  $convert "$file" -scale "$scale%" -background '#909090' -fill black -pointsize 12 label:"$name" \
    -gravity center -append "$work/$name.png"
done
for file in "$resources"/tintfall.ico "$resources"/tintfall.cur; do
  [ -f "$file" ] || continue
  $convert "$file" -background '#909090' -flatten -scale 300% -fill black -pointsize 12 \
    label:"res-$(basename "$file")" -gravity center -append "$work/res-$(basename "$file").png"
done
$montage "$work"/*.png -mode concatenate -tile 6x -geometry +8+8 -background '#909090' "$out"
echo "$out"
