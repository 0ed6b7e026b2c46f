#!/usr/bin/env bash
# The installer's round trip under Wine: a silent install for the current
# user, the program started from its Start menu shortcut (on an Xvfb display
# of its own) and ended with Alt+F4, a silent uninstall, and then nothing of
# it left: no file, no shortcut, no registry key.   installer_round_trip.sh SETUP_EXE OUT_DIR
set -euo pipefail
repo=$(cd "$(dirname "$(readlink -f "$0")")/../../.." && pwd)
setup=$(readlink -f "$1")
mkdir -p "$2"
out=$(readlink -f "$2")
source "$repo/packaging/windows/wine.sh"
work=$(mktemp -d)
xvfb=
cleanup() {
  wine_prefix_stop
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "Installer round trip: $*" >&2; exit 1; }

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" \
  >"$out/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
wine_prefix_ready

# What the prefix holds before, to compare with what it holds after.
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print |
    sort)
}
snapshot >"$work/before"

started=$SECONDS
wine "$setup" /S /CurrentUser
wineserver -w
user_dir=$(ls -d "$WINEPREFIX/drive_c/users/"* | grep -v '/Public$' | head -n1)
link="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kalvane.lnk"
[ -f "$link" ] || fail "no Start menu shortcut at $link"
installed=$(find "$WINEPREFIX/drive_c" -path '*/Kalvane/kalvane.exe' | head -n1)
[ -n "$installed" ] || fail "kalvane.exe was not installed"
grep -qi 'Kalvane' "$WINEPREFIX/user.reg" || fail "no entry in the list of installed programs"
echo "Installed into ${installed#"$WINEPREFIX/"} in $((SECONDS - started)) s"

# Start it as the Start menu does: through the shortcut.
wine start /unix "$link"
title=" کالوانه نسخه 1"
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --name "^$title" 2>/dev/null | head -n1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the installed program showed no window within a minute"
echo "The shortcut started the installed program"
xdotool windowfocus "$window" key alt+F4
wineserver -w

started=$SECONDS
wine "$(dirname "$installed")/uninstall.exe" /S
wineserver -w  # the uninstaller runs on from a copy of itself in Temp
snapshot >"$work/after"
if ! diff "$work/before" "$work/after" >"$out/left.txt"; then
  cat "$out/left.txt" >&2
  fail "the uninstall left these files (or took these away)"
fi
! grep -qi 'Kalvane' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" ||
  fail "the registry still names Kalvane: $(grep -i -m3 Kalvane "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg")"
echo "Uninstalled in $((SECONDS - started)) s; nothing left"
