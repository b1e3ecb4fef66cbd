#!/usr/bin/env bash
# Renders the PNG icons (48 and 256 pixels) from the SVG icon, which is the one to edit; the
# PNGs are kept in the repository so that a build needs no SVG renderer. Needs rsvg-convert
# (Debian package librsvg2-bin).
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../dist/icons" && pwd)"
for size in 48 256; do
  mkdir -p "$icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$icons/org.abacore.drill.svg" \
    -o "$icons/${size}x${size}/org.abacore.drill.png"
done
