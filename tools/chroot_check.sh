#!/bin/sh
# Installs the package in a clean Debian 12 chroot, starts the game from the
# menu entry's command in a folder of no importance, takes a picture of the
# screen, then purges the package and checks that none of its files is left.
# Needs root, mmdebstrap, Xvfb and ImageMagick's import on this machine.
#   tools/chroot_check.sh DEB [CHROOT] [SHOT.png]
#     CHROOT  an existing chroot to use (made with mmdebstrap when missing)
set -eu

deb=$(realpath "${1:?usage: $0 DEB [CHROOT] [SHOT.png]}")
root=${2:-/tmp/rp-chroot-check}
shot=${3:-$PWD/chroot-table.png}
display=:${RP_DISPLAY:-77}

if [ ! -d "$root/etc/apt" ]; then
  mmdebstrap --variant=apt bookworm "$root" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
fi

xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  umount "$root/tmp/.X11-unix" 2>/dev/null || true
  umount "$root/proc" 2>/dev/null || true
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mkdir -p "$root/tmp/.X11-unix"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 2
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games LANG=C.UTF-8 sh -c "$1"; }

echo "== apt-get install ./$(basename "$deb")"
start=$(date +%s)
in_root "apt-get update -q >/dev/null && DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q /tmp/$(basename "$deb") | tail -n 3"
echo "   took $(( $(date +%s) - start )) s"
in_root "dpkg -L realpentaro" | sort >"$root/tmp/files.txt"

echo "== the menu entry's command, from /var/tmp, as a player"
exec_cmd=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/realpentaro.desktop")
in_root "mkdir -p /home/player && chown 1000:1000 /home/player"
in_root "cd /var/tmp && DISPLAY=$display HOME=/home/player \
  setpriv --reuid=1000 --regid=1000 --clear-groups $exec_cmd >/tmp/game.log 2>&1 & \
  echo \$! >/tmp/game.pid; sleep 12"
import -display "$display" -window root "$shot"
echo "   screen: $shot"
in_root 'kill -0 $(cat /tmp/game.pid)' ||
  { cat "$root/tmp/game.log"; echo "chroot_check: the game is not running" >&2; exit 1; }
in_root 'kill -TERM $(cat /tmp/game.pid); sleep 5'
cat "$root/tmp/game.log"
[ -f "$root/home/player/.config/RealPentaro/RealPentaro.ini" ] ||
  { echo "chroot_check: no settings were written" >&2; exit 1; }

echo "== apt-get purge realpentaro"
in_root "DEBIAN_FRONTEND=noninteractive apt-get purge -y -q realpentaro | tail -n 1"
left=""
while read -r f; do
  [ "$f" = /. ] && continue
  [ -e "$root$f" ] || continue
  [ -d "$root$f" ] && [ -n "$(in_root "dpkg -S '$f' 2>/dev/null")" ] && continue  # shared folder
  left="$left $f"
done <"$root/tmp/files.txt"
[ -z "$left" ] || { echo "chroot_check: left behind:$left" >&2; exit 1; }
[ -f "$root/home/player/.config/RealPentaro/RealPentaro.ini" ] ||
  { echo "chroot_check: the player's settings went with the package" >&2; exit 1; }
echo "chroot_check: installed, started, purged; nothing of the package left, the player's settings kept"
