#!/usr/bin/env bash
# Draws the program's icon: the scalable picture and its renderings at the
# sizes desktops ask for, laid out as the hicolor icon theme wants them
# (icons/hicolor/SIZE/apps/zephyrtrace.*). The results are committed, so this
# is needed only to change the icon. Tool: rsvg-convert (librsvg2-bin).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
theme=$here/icons/hicolor
command -v rsvg-convert >/dev/null || { echo "missing tool: rsvg-convert" >&2; exit 1; }

# A tile of an acrostic grid: two letter squares and two filled ones, the Z
# of Zephyrtrace and the T of its trace, with the west wind blowing across.
# The letters are outlines, so the picture looks the same without any font.
mkdir -p "$theme/scalable/apps"
cat >"$theme/scalable/apps/zephyrtrace.svg" <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Zephyrtrace</title>
  <rect x="14" y="18" width="236" height="234" rx="34" fill="#000000" fill-opacity="0.25"/>
  <rect x="8" y="8" width="236" height="236" rx="34" fill="#dcebf8" stroke="#1b2f5e" stroke-width="8"/>
  <g stroke="#1c1c1c" stroke-width="6" stroke-linejoin="miter">
    <rect x="36" y="36" width="90" height="90" fill="#ffffff"/>
    <rect x="126" y="36" width="90" height="90" fill="#1c1c1c"/>
    <rect x="36" y="126" width="90" height="90" fill="#1c1c1c"/>
    <rect x="126" y="126" width="90" height="90" fill="#ffffff"/>
  </g>
  <path d="M 54,52 H 110 V 66 L 74,96 H 110 V 110 H 52 V 96 L 88,66 H 54 Z" fill="#1b2f5e"/>
  <path d="M 143,142 H 199 V 156 H 178 V 200 H 164 V 156 H 143 Z" fill="#d0402a"/>
  <path d="M 22,150 C 70,112 120,176 170,140 S 224,104 236,118" fill="none"
        stroke="#9cc3e6" stroke-width="9" stroke-linecap="round"/>
</svg>
SVG

for size in 16 32 48 64 128 256; do
  mkdir -p "$theme/${size}x$size/apps"
  rsvg-convert --width "$size" --height "$size" --format png \
    -o "$theme/${size}x$size/apps/zephyrtrace.png" "$theme/scalable/apps/zephyrtrace.svg"
done
