#!/usr/bin/env bash
# Remakes the program's PNG icons from tallwick.svg: true colour at 32 and 64 pixels, and
# 256 colours (palette PNG) at 32 pixels. Needs rsvg-convert and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
../scripts/need-packages.sh librsvg2-bin imagemagick

rsvg-convert -w 32 -h 32 tallwick.svg -o tallwick-32.png
rsvg-convert -w 64 -h 64 tallwick.svg -o tallwick-64.png
convert tallwick-32.png -strip -colors 256 PNG8:tallwick-32-256colours.png
