#!/bin/sh
# Screenshots of the table, the new-game dialog, the results and the review in one
# language at 150 %, as a player sees them: docs/languages/<code>-*.png.
#   tools/languageshots.sh de
# Needs Xvfb and ImageMagick, and the build's tableshot and windowshot.
set -eu
cd "$(dirname "$0")/.."
code=${1:?language code, e.g. de or ja}
build=${BUILD_DIR:-build}
cmake --build "$build" --target tableshot windowshot realpentaro assets -j2 >/dev/null
mkdir -p docs/languages
export LANGUAGE="$code"
tools/tableshot.sh "docs/languages/$code-table.png" 1 zoom150 >/dev/null
display=:$((60 + $$ % 30))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
for w in newgame endgame; do
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/windowshot" "$w" zoom150 >"$build/windowshot.geometry" 2>/dev/null &
  shown=$!
  sleep 2
  DISPLAY=$display import -window root -crop "$(head -n 1 "$build/windowshot.geometry")" +repage \
    "docs/languages/$code-$w.png"
  kill $shown
  wait $shown 2>/dev/null || true
done
# The review of a one-column game played out on the table.
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tableshot" 3000 zoom150 review >"$build/windowshot.geometry" 2>/dev/null &
shown=$!
sleep 2
DISPLAY=$display import -window root -crop "$(head -n 1 "$build/windowshot.geometry")" +repage \
  "docs/languages/$code-review.png"
kill $shown 2>/dev/null || true
wait $shown 2>/dev/null || true
ls docs/languages/"$code"-*.png
