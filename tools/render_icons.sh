#!/usr/bin/env bash
# Renders the PNG sizes of the program's icons from their SVG sources in resources/icons
# (ImageMagick and rsvg-convert, Debian's librsvg2-bin): every size a desktop asks for, and
# each small icon at 1x, 1.5x, 2x and 3x, so that none is scaled up on a high-resolution screen.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 22 24 32 48 64 128; do
  # Rendered at four times the size, then scaled down, for smooth edges.
  convert -background none -density $((96 * size / 64 * 4)) horavia.svg -resize "${size}x${size}" \
    "PNG32:horavia-${size}.png"
done
# The clock list's move buttons: 16 logical pixels.
for name in arrow-up arrow-down; do
  for size in 16 24 32 48; do
    rsvg-convert -w "$size" -h "$size" "$name.svg" -o "$name-$size.png"
  done
done
