#!/usr/bin/env bash
# `./dev.sh windows` as a new user runs it with no Qt for Windows at hand: on
# a fresh minbase Debian 12 root with git alone, in a clone of this
# repository's committed HEAD, twice: the first run builds Qt from Debian's
# sources into the cache, the second reuses it. Only the Qt SVG source
# tarball comes from the shared folder (the mirror lacks Debian's). Prints
# each run's exit status and wall time, the cache's size and the zip's and
# installer's sizes.
#   sudo packaging/windows/tests/windows_build_on_fresh_debian.sh [root-dir]
# Needs root and a Debian mirror (see packaging/tests/fresh_debian_root.sh);
# run by hand. The root (default /tmp/kalvane-windows-root) is made anew and
# left in place; the logs are in ROOT/root/.
set -euo pipefail
repo=$(git -C "$(dirname "$(readlink -f "$0")")" rev-parse --show-toplevel)
root=${1:-/tmp/kalvane-windows-root}
qtsvg=${KALVANE_QTSVG_SOURCE:-$repo/../shared/windows/qtsvg-everywhere-src-6.4.2.tar.xz}
[ -f "$qtsvg" ] || { echo "No $qtsvg: name it with KALVANE_QTSVG_SOURCE." >&2; exit 2; }
. "$repo/packaging/tests/fresh_debian_root.sh"
fresh_root_make
cp "$qtsvg" "$root/root/"

statuses=()
for run in 1 2; do
  echo "./dev.sh windows, run $run (log: $root/root/dev-windows-$run.log)"
  started=$(date +%s)
  status=0
  in_root "cd /root/kalvane && KALVANE_QTSVG_SOURCE=/root/$(basename "$qtsvg") \
    timeout 7200 ./dev.sh windows" >"$root/root/dev-windows-$run.log" 2>&1 || status=$?
  statuses+=("run $run: exit $status in $(($(date +%s) - started)) s")
  grep -E '^qt.sh:|^Qt for Windows|made in|Tested under Wine' "$root/root/dev-windows-$run.log" || true
  tail -n 3 "$root/root/dev-windows-$run.log"
  [ "$status" -eq 0 ] || break
done

echo
echo "On a fresh Debian 12 root ($root, commit ${fresh_root_head:0:12}, ready in ${fresh_root_seconds} s):"
printf '  ./dev.sh windows, %s\n' "${statuses[@]}"
du -sh "$root/root/.cache/kalvane-windows" 2>/dev/null | sed 's/^/  cache: /' || true
ls -l "$root"/root/kalvane/build/windows/*.zip "$root"/root/kalvane/build/windows/*-setup.exe 2>/dev/null |
  awk '{ printf "  %s: %.1f MB\n", $NF, $5 / 1048576 }' || true
[ "${#statuses[@]}" -eq 2 ] && [[ "${statuses[1]}" == *"exit 0 "* ]]
