#!/usr/bin/env bash
# Renders the workbench's icon (packaging/icons/morvane.svg) into the PNG
# sizes desktops look for in the hicolor theme. The PNGs are kept in the
# repository so a build needs no SVG renderer; run this after changing the
# SVG (it needs the package librsvg2-bin).
set -euo pipefail
icons="$(cd "$(dirname "$0")/../packaging/icons" && pwd)"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "$icons/morvane-$size.png" "$icons/morvane.svg"
done
