#!/usr/bin/env bash
# Renders the program icon's PNG sizes from resources/icons/horavia.svg (ImageMagick).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 22 24 32 48 64; do
  # Rendered at four times the size, then scaled down, for smooth edges.
  convert -background none -density $((96 * size / 64 * 4)) horavia.svg -resize "${size}x${size}" \
    "PNG32:horavia-${size}.png"
done
