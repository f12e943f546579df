#!/bin/sh
# Real Pentaro set-up on Debian 12: installs what is missing, builds, then
#   ./setup.sh play   starts the game
#   ./setup.sh test   runs the whole test suite, then again built with
#                     AddressSanitizer and UBSan (in build-asan/)
set -eu

cd "$(dirname "$0")"
mode=${1:-play}
build=${BUILD_DIR:-build}

packages="cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
  libgif-dev libgtest-dev fonts-dejavu-core fonts-liberation
  pulseaudio pulseaudio-utils xvfb xauth imagemagick
  xdotool at-spi2-core dbus python3-gi python3-pyatspi gir1.2-atspi-2.0 python3-xlib strace
  desktop-file-utils appstream qt6-tools-dev qt6-l10n-tools fonts-noto-cjk"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "$(nproc)"

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any error, leak or undefined behaviour fails it, the advisor's solve in the
# build included. Only leaks of other libraries may be suppressed
# (tools/sanitizers/lsan.supp).
sanitized_tests() {
  asan=${ASAN_BUILD_DIR:-build-asan}
  export ASAN_OPTIONS=check_initialization_order=1:detect_stack_use_after_return=1
  export LSAN_OPTIONS="suppressions=$(pwd)/tools/sanitizers/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  cmake -S . -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRP_SANITIZE=ON
  cmake --build "$asan" -j "$(nproc)"
  ctest --test-dir "$asan" --output-on-failure -j "$(nproc)"
}

case "$mode" in
  play) exec "$build/realpentaro" ;;
  test)
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    sanitized_tests ;;
  *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac
