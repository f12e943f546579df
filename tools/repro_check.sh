#!/bin/sh
# Builds the package twice from the same tree, in folders of different names
# and depths, without the compiler cache, and checks that both .deb files are
# byte for byte the same (pictures, sounds and advisor.bin included).
#   tools/repro_check.sh [WORKDIR]      (default: build-repro/)
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$top/build-repro}
# A cached object would make the second build a copy of the first.
export CCACHE_DISABLE=1
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER

start=$(date +%s)
first=$("$top/tools/build_deb.sh" "$work/one")
second=$("$top/tools/build_deb.sh" "$work/second/build")
echo "repro_check: two package builds took $(( $(date +%s) - start )) s"

if cmp -s "$first" "$second"; then
  echo "repro_check: identical: $(sha256sum "$first" | cut -d' ' -f1)  $(basename "$first")"
  exit 0
fi
echo "repro_check: the two packages differ" >&2
if command -v diffoscope >/dev/null 2>&1; then
  diffoscope "$first" "$second" >&2 || true
else
  for n in one two; do mkdir -p "$work/x-$n"; done
  dpkg-deb -R "$first" "$work/x-one"
  dpkg-deb -R "$second" "$work/x-two"
  diff -r "$work/x-one" "$work/x-two" >&2 || true
fi
exit 1
