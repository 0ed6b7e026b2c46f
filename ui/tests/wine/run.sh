#!/usr/bin/env bash
# The Windows smoke stage: the portable zip unpacked and its kalvane.exe run
# under Wine on an Xvfb display of its own, driven with XTEST keys and read
# back through the clipboard by drive.py; a picture of each window in both
# languages goes to OUT_DIR.   run.sh PORTABLE_ZIP OUT_DIR
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
repo=$(cd "$here/../../.." && pwd)
zip=$(readlink -f "$1")
mkdir -p "$2"
out=$(readlink -f "$2")
rm -f "$out"/*.png "$out"/*.log
source "$repo/packaging/windows/wine.sh"
work=$(mktemp -d)
xvfb=
cleanup() {
  wine_prefix_stop
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
(cd "$work" && cmake -E tar xf "$zip")
exe=$work/Kalvane/kalvane.exe
[ -f "$exe" ] || { echo "$zip holds no Kalvane/kalvane.exe" >&2; exit 1; }

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 -fbdir "$work" \
  3>"$work/display" >"$out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$out/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
setxkbmap us
wine_prefix_ready
echo "Wine smoke stage on display $DISPLAY"
status=0
PYTHONUNBUFFERED=1 timeout 300 /usr/bin/python3 "$here/drive.py" "$exe" "$out" "$work/Xvfb_screen0" || status=$?
if [ "$status" -ne 0 ]; then
  [ "$status" -ne 124 ] || echo "The Wine smoke stage ran out of time."
  echo "--- program output ($out/program.log) ---"
  tail -n 30 "$out/program.log" 2>/dev/null || true
fi
exit "$status"
