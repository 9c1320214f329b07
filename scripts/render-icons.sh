#!/usr/bin/env bash
# Renders the application icon's PNG sizes from dist/icons/quillmark.svg into
# dist/icons/png (they are committed, so a build needs no SVG renderer). Run
# it again after changing the SVG; needs rsvg-convert (librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/dist/icons/png"
mkdir -p "$out"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$root/dist/icons/quillmark.svg" -o "$out/quillmark-$size.png"
done
echo "rendered $(ls "$out" | wc -l) sizes into $out"
