#!/bin/sh
# Installs a built package on a fresh Debian 12 root and starts the program
# from its desktop entry, as a new user's machine would:
#   sudo packaging/tests/install_on_fresh_debian.sh path/to/kalvane_*.deb [root-dir]
# Needs network access to a Debian mirror and root (debootstrap, chroot), so
# it is a check to run by hand before a release, not part of the test suite.
# It leaves the root in place (default /tmp/kalvane-fresh-root) for a look.
set -eu
deb=$(readlink -f "$1")
root=${2:-/tmp/kalvane-fresh-root}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

command -v debootstrap >/dev/null || apt-get install -y debootstrap
[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" "$mirror"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true' EXIT

chroot "$root" sh -eu -c '
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q /tmp/'"$(basename "$deb")"'
  apt-get install -y -q --no-install-recommends xvfb x11-apps netpbm
  entry=/usr/share/applications/org.example.Kalvane.desktop
  program=$(sed -n "s/^Exec=//p" "$entry" | sed "s/ %.//")
  Xvfb :7 -screen 0 1024x768x24 & xvfb=$!
  sleep 2
  DISPLAY=:7 $program & app=$!
  sleep 4
  kill -0 $app  # still running: it started and stayed up
  DISPLAY=:7 xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >/tmp/kalvane-fresh.png
  kill $app $xvfb
'
echo "Installed and started; the screen is in $root/tmp/kalvane-fresh.png"
