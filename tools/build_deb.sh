#!/bin/sh
# Builds the Debian package from the files git tracks, in a copy of the tree
# under WORKDIR (so the checkout gets no build litter), and prints the path
# of the .deb it made.
#   tools/build_deb.sh WORKDIR
set -eu

top=$(cd "$(dirname "$0")/.." && pwd)
work=${1:?usage: $0 WORKDIR}
rm -rf "$work"
mkdir -p "$work/realpentaro"
work=$(cd "$work" && pwd)
src=$work/realpentaro

if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Tracked files as they are in the working tree, edits included.
  (cd "$top" && git ls-files -z | xargs -0 cp -P --parents -t "$src")
else
  (cd "$top" && tar -cf - --exclude='./build*' --exclude='./dist/*.deb' .) | tar -xf - -C "$src"
fi

(cd "$src" && dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 || {
  tail -n 60 "$work/build.log" >&2
  echo "build_deb: dpkg-buildpackage failed; the whole log is $work/build.log" >&2
  exit 1
}
ls "$work"/realpentaro_*.deb
