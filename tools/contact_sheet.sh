#!/bin/sh
# Makes one PNG showing every picture of the game with its file name, to
# judge the look as a whole.
#   tools/contact_sheet.sh [IMAGES_DIR] [OUTPUT_PNG]
# Defaults: build/images and build/contact_sheet.png. Needs ImageMagick.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
images=${1:-$here/build/images}
out=${2:-$here/build/contact_sheet.png}
[ -d "$images" ] || { echo "no pictures in $images: build the project first" >&2; exit 1; }
cd "$images"
# Small pictures at their own size, large ones shrunk to fit a 300 px tile;
# transparent GIFs show on grey. The @2x artwork is the same pictures again.
montage -label '%f\n%wx%h' $(ls *.jpg *.gif *.png | grep -v '@2x\.' | sort) \
  -tile 6x -geometry '300x300>+10+10' -background '#5a5a5a' -fill white -pointsize 11 \
  -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$out"
echo "$out"
