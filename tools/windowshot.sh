#!/bin/sh
# Screenshots of the secondary windows on a virtual X display, as a player
# sees them: docs/screens/<window>.png. Needs Xvfb and ImageMagick.
set -eu
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target windowshot -j2 >/dev/null
mkdir -p docs/screens
Xvfb :$((60 + $$ % 30)) -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
for w in splash newgame confirm endgame endgamesolo scorescheck highscores confirm2 exit; do
  DISPLAY=:$((60 + $$ % 30)) QT_QPA_PLATFORM=xcb "$build/windowshot" "$w" >"$build/windowshot.geometry" 2>/dev/null &
  shown=$!
  sleep 1.5
  DISPLAY=:$((60 + $$ % 30)) import -window root -crop "$(head -n 1 "$build/windowshot.geometry")" +repage "docs/screens/$w.png"
  kill $shown
  wait $shown 2>/dev/null || true
done
