#!/bin/sh
# End to end on a real X display: installs the game into a temporary prefix,
# starts the installed binary on its own Xvfb and session bus, and plays it
# from outside through AT-SPI and xdotool (journey.py).
#   tests/e2e/run_e2e.sh BUILD_DIR
# Exits 77 (skipped) only when a tool it needs is not on the machine.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
. "$here/../../tools/private_xvfb.sh"

skip() { echo "e2e: skipped: $*"; exit 77; }
for tool in Xvfb xdotool dbus-run-session cmake; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x "$python" ] || skip "$python is not installed"
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' \
  2>/dev/null || skip "the AT-SPI Python bindings (gir1.2-atspi-2.0, python3-gi) are not installed"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/rp-e2e.XXXXXX")
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" 2>&1 || {
  cat "$tmp/install.log"; echo "e2e: the install failed"; exit 1; }
# A launcher in bin/ where the install has one, else the program folder.
binary=""
for candidate in "$tmp/prefix/bin/realpentaro" "$tmp/prefix/lib/realpentaro/realpentaro" \
                 "$tmp/prefix/realpentaro"; do
  if [ -x "$candidate" ]; then binary=$candidate; break; fi
done
[ -n "$binary" ] || { find "$tmp/prefix" -maxdepth 3; echo "e2e: no installed realpentaro"; exit 1; }
echo "e2e: installed binary $binary"

start_xvfb "$tmp"
display=$xvfb_display

mkdir -p "$tmp/config" "$tmp/work" "$tmp/runtime" "$tmp/home"
chmod 700 "$tmp/runtime"
export XDG_RUNTIME_DIR="$tmp/runtime" HOME="$tmp/home"
# No sound server: the game says once that it stays silent and plays on.
export PULSE_SERVER=unix:/nonexistent/rp-no-audio
unset QT_QPA_PLATFORM QT_SCALE_FACTOR SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# The display goes to the game and xdotool only: the accessibility bus is then
# found through the session bus alone, and no helper of it outlives the display.
unset DISPLAY

dbus-run-session -- "$python" "$here/journey.py" "$display" "$binary" "$tmp/config" "$tmp/work"
