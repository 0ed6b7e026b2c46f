#!/usr/bin/env bash
# The X11 stage: runs the program on its own Xvfb display (the xcb platform,
# never offscreen) and drives it through the X server with drive.py, which
# reads the windows back through the accessibility tree on a private D-Bus
# session.   run.sh PROGRAM OUT_DIR
# A failure names its case, shows what the windows held and leaves a picture
# of the screen in OUT_DIR; KALVANE_X11_ONLY=REGEX runs the matching cases.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
program=$(readlink -f "$1")
mkdir -p "$2"
out=$(readlink -f "$2")
rm -f "$out"/*.png "$out"/*.log
work=$(mktemp -d)
xvfb=
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number when it is ready.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 -fbdir "$work" \
  3>"$work/display" >"$out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$out/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

mkdir -m 700 "$work/runtime"
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
setxkbmap us
echo "X11 stage on display $DISPLAY"
status=0
PYTHONUNBUFFERED=1 timeout 480 dbus-run-session -- /usr/bin/python3 "$here/drive.py" "$program" "$out" \
  "$work/Xvfb_screen0" 2>"$out/session.log" || status=$?
if [ "$status" -ne 0 ]; then
  [ "$status" -ne 124 ] || echo "The X11 stage ran out of time."
  echo "--- program and session output ($out) ---"
  tail -n 30 "$out/program.log" "$out/session.log" 2>/dev/null || true
fi
exit "$status"
