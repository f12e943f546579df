#!/bin/sh
# A screenshot of the real table window in the middle of a three-column
# game, on a virtual X display with the xcb platform:
#   tools/tableshot.sh [OUT.png] [QT_SCALE_FACTOR] [hint | computer | zoom150 | resume]
set -eu
cd "$(dirname "$0")/.."
out=${1:-docs/table.png}
scale=${2:-1}
display=:$((90 + $$ % 100))
size=$((1024 * scale))x$((768 * scale))x24
Xvfb "$display" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale build/tableshot 3000 ${3:-} &
shot=$!
sleep 2
DISPLAY=$display import -window root "$out"
wait $shot
echo "$out"
