#!/usr/bin/env bash
# The Wayland stage: runs the program natively on Wayland (Qt's wayland
# platform) on a headless sway of its own and drives it with drive.py: keys
# through the virtual-keyboard protocol (wtype), the clipboard through
# wl-copy, and the accessibility tree (AT-SPI on a private D-Bus session) to
# read the windows and to act where a user would click, since a Wayland client
# has no screen coordinates.   run.sh PROGRAM OUT_DIR
# A failure names its case, shows what the windows held and leaves a picture
# of the screen in OUT_DIR; KALVANE_WAYLAND_ONLY=REGEX runs the matching cases.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")

# sway refuses to run as root. Run as root (as CI does), the stage gives the
# compositor, the program and the driver to an unprivileged user, made here
# the first time, with copies of the program and the driver in a folder it
# can read: the clone may lie under a home it cannot enter.
user=kalvane-test
if [ "${1:-}" != --inside ]; then
  program=$(readlink -f "$1")
  mkdir -p "$2"
  out=$(readlink -f "$2")
  rm -f "$out"/*.png "$out"/*.log
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$program" "$work/kalvane"
  cp "$here/drive.py" "$here/wayland_tools.py" "$here/sway.conf" "$here/run.sh" "$work/"
  mkdir -m 700 "$work/runtime" "$work/home"
  mkdir "$work/out"
  chmod 755 "$work"
  as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    if ! id -u "$user" >/dev/null 2>&1; then
      # Another stage running at the same time may have made it meanwhile.
      useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
        "$user" 2>/dev/null || id -u "$user" >/dev/null
    fi
    chown "$user:" "$work/runtime" "$work/home" "$work/out"
    as_user=(setpriv --reuid="$user" --regid="$user" --init-groups)
  fi
  status=0
  # timeout ends the whole process group: sway, the bus, the program.
  timeout 240 "${as_user[@]}" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" ${KALVANE_WAYLAND_ONLY:+KALVANE_WAYLAND_ONLY="$KALVANE_WAYLAND_ONLY"} \
    ${KALVANE_WAYLAND_VERBOSE:+KALVANE_WAYLAND_VERBOSE=1} ${KALVANE_WAYLAND_PICTURES:+KALVANE_WAYLAND_PICTURES=1} \
    bash "$work/run.sh" --inside "$work" </dev/null || status=$?
  cp "$work"/out/* "$out"/ 2>/dev/null || true
  if [ "$status" -ne 0 ]; then
    [ "$status" -ne 124 ] || echo "The Wayland stage ran out of time."
    echo "--- program, compositor and session output ($out) ---"
    tail -n 30 "$out/program.log" "$out/sway.log" "$out/session.log" 2>/dev/null || true
  fi
  exit "$status"
fi

# Inside: as the user that runs the compositor, in the folder made above.
work=$2
out=$work/out
sway=
cleanup() { [ -z "$sway" ] || kill "$sway" 2>/dev/null || true; }
trap cleanup EXIT
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway --config "$work/sway.conf" >"$out/sway.log" 2>&1 &
sway=$!
ready=
for _ in $(seq 100); do
  socket=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null || true)
  if [ -n "$socket" ] && SWAYSOCK=$socket swaymsg -t get_outputs >/dev/null 2>&1; then
    ready=1
    break
  fi
  kill -0 "$sway" 2>/dev/null || { cat "$out/sway.log" >&2; exit 1; }
  sleep 0.1
done
[ -n "$ready" ] || { echo "sway did not start" >&2; exit 1; }
export SWAYSOCK=$socket
WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? | head -n 1)
export WAYLAND_DISPLAY
echo "Wayland stage on $WAYLAND_DISPLAY (sway, headless)"
dbus-run-session -- /usr/bin/python3 "$work/drive.py" "$work/kalvane" "$out" 2>"$out/session.log"
