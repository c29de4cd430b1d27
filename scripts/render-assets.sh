#!/usr/bin/env bash
# Regenerates the committed pictures from their SVG sources in assets/:
# the menu picture (164 x 135, 24-bit BMP) and the program icon at the usual
# hicolor sizes. Needs librsvg2-bin and imagemagick; the build itself does not.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --assets
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rsvg-convert -w 164 -h 135 assets/menu.svg -o "$tmp/menu.png"
convert "$tmp/menu.png" -background '#FBFBC4' -alpha remove -alpha off \
  -type TrueColor BMP3:assets/menu.bmp

if [ -f assets/zemlox.svg ]; then
  mkdir -p assets/icons
  for size in 16 22 24 32 48 64 128 256; do
    src=assets/zemlox.svg
    # Up to 32 pixels the icon has its own, bolder drawing.
    [ "$size" -le 32 ] && [ -f assets/zemlox-small.svg ] && src=assets/zemlox-small.svg
    rsvg-convert -w "$size" -h "$size" "$src" -o "assets/icons/zemlox-$size.png"
  done
fi
echo "rendered assets/menu.bmp and the icons"
