#!/usr/bin/env bash
# Renders the hand-drawn SVG icons into the PNG sizes of the hicolor theme.
# The PNGs are committed, so building needs no SVG renderer; run this again
# after changing a drawing (needs rsvg-convert from librsvg2-bin).
#   packaging/icons/render-icons.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for svg in "$here"/*.svg; do
  name=$(basename "$svg" .svg)
  for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$here/$size"
    rsvg-convert -w "$size" -h "$size" -o "$here/$size/$name.png" "$svg"
  done
done
