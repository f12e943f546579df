#!/bin/sh
# Real Pentaro set-up on Debian 12: installs what is missing, builds, then
#   ./setup.sh play     builds the game alone and starts it
#   ./setup.sh test     builds everything and runs the whole test suite, then
#                       again built with AddressSanitizer and UBSan (build-asan/)
#   ./setup.sh package  builds the Debian package into dist/
set -eu

cd "$(dirname "$0")"
mode=${1:-play}
build=${BUILD_DIR:-build}

# What building and running the game needs.
play_packages="cmake make g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libpulse-dev libjpeg-dev qt6-qpa-plugins libgif-dev
  fonts-dejavu-core fonts-liberation"
# What the tests, benchmarks and screenshot tools need besides.
test_packages="libgtest-dev pulseaudio pulseaudio-utils xvfb xauth imagemagick
  xdotool at-spi2-core dbus python3-gi python3-pyatspi gir1.2-atspi-2.0 python3-xlib strace
  desktop-file-utils appstream man-db fonts-noto-cjk"
# What a Debian package build needs besides the game's own.
package_packages="debhelper dpkg-dev lintian"

case "$mode" in
  play) packages=$play_packages; steps=3 ;;
  test) packages="$play_packages $test_packages"; steps=4 ;;
  package) packages="$play_packages $package_packages"; steps=3 ;;
  *) echo "usage: $0 [play|test|package]" >&2; exit 2 ;;
esac
step=0
say() { step=$((step + 1)); echo "==> [$step/$steps] $*"; }

say "Debian packages"
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
  play)
    say "Building the game, its pictures, sounds and hint table into $build/"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRP_BUILD_TESTS=OFF -DRP_BUILD_TOOLS=OFF
    cmake --build "$build" -j "$(nproc)"
    say "Starting $build/realpentaro"
    exec "$build/realpentaro" ;;
  test)
    say "Building everything into $build/"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRP_BUILD_TESTS=ON -DRP_BUILD_TOOLS=ON
    cmake --build "$build" -j "$(nproc)"
    say "Running the tests"
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
    say "Building and testing again with the sanitizers"
    sanitized_tests ;;
  package)
    say "Building the package (dpkg-buildpackage, in build-deb/)"
    deb=$(tools/build_deb.sh build-deb)
    mkdir -p dist
    cp "$deb" dist/
    echo "dist/$(basename "$deb"): Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB"
    say "lintian"
    lintian --display-info build-deb/*.changes ;;
esac
