#!/bin/sh
# The installed tree, as the Debian package holds it: installs the build
# into a staging folder (prefix /usr) and checks what a desktop, man and a
# player find there.
#   tests/install/check_installed.sh BUILD_DIR VERSION
# Exits 77 (skipped) only when a checking tool is missing.
set -eu

build=$(cd "${1:?usage: $0 BUILD_DIR VERSION}" && pwd)
version=${2:?usage: $0 BUILD_DIR VERSION}
for tool in desktop-file-validate appstreamcli man lexgrog readelf; do
  command -v "$tool" >/dev/null 2>&1 || { echo "installed_tree: skipped: no $tool"; exit 77; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/rp-install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 || {
  cat "$tmp/install.log"; echo "installed_tree: the install failed"; exit 1; }

failures=0
fail() { echo "installed_tree: $*"; failures=$((failures + 1)); }

lib=$root/usr/lib/realpentaro
# Everything the game opens lies in its program folder.
for f in realpentaro librealpentaro_sound.so advisor.bin readme.txt images/bgnd.jpg images/icon.png \
         sounds/pop.wav; do
  [ -s "$lib/$f" ] || fail "missing or empty: /usr/lib/realpentaro/$f"
done
[ "$(readlink "$root/usr/bin/realpentaro")" = ../lib/realpentaro/realpentaro ] ||
  fail "/usr/bin/realpentaro is not a relative link to the program"
[ -x "$root/usr/bin/realpentaro" ] || fail "/usr/bin/realpentaro does not lead to a program"

# Nothing outside /usr; programs 755, everything else 644, no one else may write.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside /usr: $outside"
find "$root/usr" -type f -perm /022 | sed 's/^/group or others may write: /' >"$tmp/perm"
find "$root/usr" -type f -perm /111 ! -path "$lib/realpentaro" | sed 's/^/executable: /' >>"$tmp/perm"
[ -s "$tmp/perm" ] && fail "$(cat "$tmp/perm")"
# Installed programs must not look in the build folder for libraries.
for elf in "$lib/realpentaro" "$lib/librealpentaro_sound.so"; do
  if readelf -d "$elf" | grep -E 'RPATH|RUNPATH'; then fail "$elf keeps a library path"; fi
done

# The menu entry: valid, starting a command the package installs, with its icon.
desktop=$root/usr/share/applications/realpentaro.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_cmd" ] || fail "Exec=$exec_cmd is not installed in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -s "$root/usr/share/icons/hicolor/128x128/apps/$icon.png" ] || fail "no hicolor icon named $icon"

# The metainfo: valid, naming this release, launching the entry above.
meta=$root/usr/share/metainfo/io.github.realpentaro.RealPentaro.metainfo.xml
appstreamcli validate --no-net "$meta" || fail "metainfo does not validate"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$meta" || fail "metainfo has no release $version"
grep -q '<launchable type="desktop-id">realpentaro.desktop</launchable>' "$meta" ||
  fail "metainfo does not launch realpentaro.desktop"

# The manual page: formats without a warning, has a NAME whatis can index,
# and names this version.
page=$root/usr/share/man/man6/realpentaro.6
warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >"$tmp/page.txt") ||
  fail "man cannot format the page"
[ -z "$warnings" ] || fail "man warns: $warnings"
lexgrog "$page" | grep -q 'realpentaro - ' || fail "lexgrog finds no NAME line"
grep -q "Real Pentaro $version" "$tmp/page.txt" || fail "manual page does not name version $version"
grep -q 'RealPentaro.ini' "$tmp/page.txt" || fail "manual page does not name the settings file"

[ "$failures" -eq 0 ] || exit 1
echo "installed_tree: $(find "$root" -type f | wc -l) files checked"
