#!/usr/bin/env bash
# The README's two commands as a new user runs them: on a fresh minbase
# Debian 12 root with git alone, in a clone of this repository's committed
# HEAD, `./dev.sh test`, then `./dev.sh run` on an Xvfb display of the root's
# own until the main window shows, which is then closed. Prints each
# command's exit status and wall time.
#   sudo packaging/tests/readme_commands_on_fresh_debian.sh [root-dir]
# Needs root and a Debian mirror (DEBIAN_MIRROR, else the host's bookworm
# source, else deb.debian.org), so it is run by hand, not by CI. The root
# (default /tmp/kalvane-readme-root) is made anew each time and left in place;
# the logs are in ROOT/root/.
set -euo pipefail
repo=$(git -C "$(dirname "$(readlink -f "$0")")" rev-parse --show-toplevel)
root=${1:-/tmp/kalvane-readme-root}
marker=.kalvane-readme-root
[ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 2; }

# The first bookworm source of the host's apt lists, one-line or deb822.
host_mirror() {
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk '$1 == "deb" { i = 2; if ($i ~ /^\[/) while ($i !~ /\]$/) i++; if ($i ~ /^\[/ || $i ~ /\]$/) i++;
                         if ($(i + 1) == "bookworm") print $i }'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
      awk 'BEGIN { RS = "" } /(^|\n)Suites:([^\n]*[ \t])?bookworm([ \t\n]|$)/ {
             if (match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/)) {
               uri = substr($0, RSTART, RLENGTH); sub(/.*URIs:[ \t]*/, "", uri); print uri } }'
  } | head -n 1
}
mirror=${DEBIAN_MIRROR:-$(host_mirror)}
mirror=${mirror:-http://deb.debian.org/debian}
head=$(git -C "$repo" rev-parse HEAD)
git -C "$repo" diff --quiet HEAD || echo "Note: uncommitted changes are not in the clone; it checks $head."

mounts=(proc sys dev dev/pts)
unmount_all() {
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    mountpoint -q "$root/${mounts[i]}" && umount "$root/${mounts[i]}" 2>/dev/null ||
      umount -l "$root/${mounts[i]}" 2>/dev/null || true
  done
}
trap unmount_all EXIT

# A root of an earlier run goes first; any other directory is left alone.
if [ -e "$root" ]; then
  [ -e "$root/$marker" ] || { echo "$root exists and is not a root of this script." >&2; exit 2; }
  unmount_all
  rm -rf --one-file-system "$root"
fi
command -v debootstrap >/dev/null || apt-get install -y -q debootstrap

started=$(date +%s)
echo "debootstrap --variant=minbase bookworm from $mirror"
mkdir -p "$root"
touch "$root/$marker"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 30 "$root.debootstrap.log"; exit 1; }
mv "$root.debootstrap.log" "$root/root/debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

in_root() {
  env -i HOME=/root TERM=dumb LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    chroot "$root" bash -c "$1"
}
in_root 'apt-get update -q && apt-get install -y -q --no-install-recommends git' >"$root/root/git.log" 2>&1 ||
  { tail -n 30 "$root/root/git.log"; exit 1; }
git clone -q --no-local "$repo" "$root/root/kalvane"
git -C "$root/root/kalvane" checkout -q --detach "$head"
root_ready=$(($(date +%s) - started))

echo "./dev.sh test (log: $root/root/dev-test.log)"
started=$(date +%s)
test_status=0
in_root 'cd /root/kalvane && timeout 5400 ./dev.sh test' >"$root/root/dev-test.log" 2>&1 || test_status=$?
test_seconds=$(($(date +%s) - started))
tail -n 5 "$root/root/dev-test.log"

# The display and the window search are this check's own tools; the program
# and its build come from `./dev.sh run` alone.
echo "./dev.sh run (log: $root/root/dev-run.log)"
started=$(date +%s)
run_result=$(in_root '
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
    apt-get install -y -q --no-install-recommends xvfb xdotool >/dev/null 2>&1
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>/tmp/display >/root/xvfb.log 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s /tmp/display ] && break; sleep 0.1; done
  export DISPLAY=:$(cat /tmp/display)
  cd /root/kalvane
  ./dev.sh run >/root/dev-run.log 2>&1 &
  app=$!  # dev.sh ends by exec-ing the program: the same process
  shown=
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1)
    [ -n "$window" ] && { shown=$SECONDS; break; }
    kill -0 "$app" 2>/dev/null || break
    sleep 1
  done
  if [ -z "$shown" ]; then
    kill "$app" 2>/dev/null; wait "$app"; echo "no window (exit $?)"; kill "$xvfb"; exit 1
  fi
  sleep 1
  python3 ui/tests/x11/drive.py --close "$window" 2>/dev/null || xdotool windowkill "$window"
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && { kill "$app"; echo "window shown after ${shown} s; still running after its close"; }
  wait "$app" && status=0 || status=$?
  kill "$xvfb"
  echo "window shown after ${shown} s; closed, exit $status"
  [ "$status" -eq 0 ]
') && run_status=0 || run_status=$?
run_seconds=$(($(date +%s) - started))

echo
echo "On a fresh Debian 12 root ($root, commit ${head:0:12}, ready in ${root_ready} s):"
echo "  ./dev.sh test: exit $test_status in ${test_seconds} s"
echo "  ./dev.sh run:  ${run_result:-no result}, in ${run_seconds} s"
[ "$test_status" -eq 0 ] && [ "$run_status" -eq 0 ]
