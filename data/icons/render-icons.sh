#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG into hicolor/NxN/apps/.
# Run after changing the SVG; scripts/test_package.sh checks that the PNGs are current.
set -euo pipefail
cd "$(dirname "$0")"
out=${1:-hicolor}
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.ambrel.Ambrel.svg -o "$out/${size}x${size}/apps/org.ambrel.Ambrel.png"
done
