#!/bin/bash
# Renders the PNG sizes of the application icon from its SVG. Run after
# changing src/resources/icons/kolekt.svg and commit the PNGs; needs rsvg-convert
# (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../src/resources/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" kolekt.svg -o "kolekt-$size.png"
done
