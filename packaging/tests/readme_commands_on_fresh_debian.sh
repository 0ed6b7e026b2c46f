#!/usr/bin/env bash
# The README's two commands as a new user runs them: on a fresh minbase
# Debian 12 root with git alone, in a clone of this repository's committed
# HEAD, `./dev.sh test`, then `./dev.sh run` on an Xvfb display of the root's
# own until the main window shows, which is then closed. Prints each
# command's exit status and wall time.
#   sudo packaging/tests/readme_commands_on_fresh_debian.sh [root-dir]
# The shared folder beside the repository is copied beside the clone, as CI
# has it. Needs root and a Debian mirror (see fresh_debian_root.sh), so it is
# run by hand, not by CI. The root (default /tmp/kalvane-readme-root) is made
# anew each time and left in place; the logs are in ROOT/root/.
set -euo pipefail
repo=$(git -C "$(dirname "$(readlink -f "$0")")" rev-parse --show-toplevel)
root=${1:-/tmp/kalvane-readme-root}
. "$repo/packaging/tests/fresh_debian_root.sh"
fresh_root_make
head=$fresh_root_head
root_ready=$fresh_root_seconds
# CI's clone has the shared folder beside it (the ready Qt for Windows).
if [ -d "$repo/../shared" ]; then
  cp -r "$repo/../shared" "$root/root/shared"
fi

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
