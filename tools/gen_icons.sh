#!/usr/bin/env bash
# Renders the program's icon (data/icons/quorvane.svg) as the PNGs the desktop
# and the window use (data/icons/hicolor/SIZExSIZE/apps/quorvane.png) and as a
# Windows icon (data/icons/quorvane.ico). Run it after editing the SVG and
# commit what it writes; the build itself needs neither tool.
# Needs librsvg2-bin (rsvg-convert) and icoutils (icotool).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" quorvane.svg \
    --output "hicolor/${size}x${size}/apps/quorvane.png"
done
# The sizes Windows asks an .ico for; 256 is stored as PNG, as Windows expects.
ico=()
for size in 16 24 32 48 64 128; do ico+=("hicolor/${size}x${size}/apps/quorvane.png"); done
icotool --create --output quorvane.ico "${ico[@]}" --raw hicolor/256x256/apps/quorvane.png
