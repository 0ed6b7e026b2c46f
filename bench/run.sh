#!/usr/bin/env bash
# Builds the benchmarks (Release, KALVANE_BUILD_BENCH=ON, in build/bench),
# installs what they run on when it is missing (Xvfb, the peer SpeedCrunch),
# waits for a quiet machine, runs all of them and prints one table of figure,
# value, target and verdict. The table, with the machine it ran on, is also
# written to docs/benchmarks.md. Exits with 1 when a target is missed.
#   bench/run.sh
# KALVANE_BENCH_MAX_LOAD (default 0.5) is the 1-minute load average the run
# waits for, at most KALVANE_BENCH_WAIT_MINUTES (default 30); the load is
# written under the table either way.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

build=build/bench
runs=31  # samples per figure, medians taken: at least 15, more against the noise of a shared machine
jobs=2   # the machine has two cores and other developers build on it too
log=$build/bench-log.txt
maxLoad=${KALVANE_BENCH_MAX_LOAD:-0.5}
waitMinutes=${KALVANE_BENCH_WAIT_MINUTES:-30}

# What the benchmarks build against and run on, from Debian.
packages=(xvfb libxcb1-dev libxcb-damage0-dev pkg-config libbenchmark-dev speedcrunch)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  asRoot=(); [ "$(id -u)" -eq 0 ] || asRoot=(sudo)
  "${asRoot[@]}" apt-get update -q >&2
  "${asRoot[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >&2
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVANE_BUILD_BENCH=ON \
  -DKALVANE_BUILD_TESTS=OFF -DKALVANE_BUILD_FUZZERS=OFF >/dev/null
cmake --build "$build" --target kalvane_bench -j "$jobs"

# Other work on the machine moves every figure: wait until it is quiet.
load1() { cut -d' ' -f1 /proc/loadavg; }
deadline=$((SECONDS + 60 * waitMinutes))
until awk -v l="$(load1)" -v m="$maxLoad" 'BEGIN { exit !(l < m) }'; do
  if [ $SECONDS -ge $deadline ]; then
    echo "bench: load still $(load1) after $waitMinutes min; running anyway" >&2
    break
  fi
  echo "bench: waiting for the 1-minute load ($(load1)) to fall below $maxLoad" >&2
  sleep 30
done

export QT_QPA_PLATFORM=offscreen
bin=$build/bench
rows=$build/bench-rows.tsv
: >"$rows"
: >"$log"
loadBefore=$(cut -d' ' -f1-3 /proc/loadavg)

# run STEP COMMAND...: runs one benchmark, keeping its table rows and logging
# everything else; a benchmark that fails stops the script with its log.
run() {
  local step=$1; shift
  echo "Running: $step" >&2
  if ! "$@" 2>>"$log" | tee -a "$log" | grep '^ROW' >>"$rows"; then
    echo "bench: $step failed; see $log" >&2
    tail -n 20 "$log" >&2
    exit 2
  fi
}
peer=$(command -v speedcrunch)
run "census of the floors" "$bin/process_bench" census gui="$bin/gui_bench" floor="$bin/kalvane_floor"
run "start-up on xcb" "$bin/process_bench" startup program="$build/ui/kalvane" \
  floor="$bin/kalvane_floor" minimal="$bin/minimal_qt_probe" peer="$peer" runs=$runs
run "first opens on xcb" "$bin/process_bench" opens gui="$bin/gui_bench" \
  floor="$bin/kalvane_floor" runs=$runs
run "per-action costs" "$bin/gui_bench" actions
run "first language switch" "$bin/process_bench" switch gui="$bin/gui_bench" runs=$runs
run "core speed" "$bin/core_bench" --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.1
for series in E24 E96 E192; do
  run "network finder, $series" "$bin/network_bench" "$series"
done
run "peak memory" "$bin/process_bench" memory probe="$bin/kalvane_probe" \
  floor="$bin/kalvane_floor" minimal="$bin/minimal_qt_probe" runs=$runs
loadAfter=$(cut -d' ' -f1-3 /proc/loadavg)

# The table, on the terminal with aligned columns and as Markdown.
table=$(cut -f2- "$rows" | awk -F'\t' '
  { for (i = 1; i <= 4; i++) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
  END {
    split("Figure,Value,Target,Verdict", head, ",")
    for (i = 1; i <= 4; i++) if (length(head[i]) > w[i]) w[i] = length(head[i])
    fmt = "%-" w[1] "s  %-" w[2] "s  %-" w[3] "s  %s\n"
    printf fmt, head[1], head[2], head[3], head[4]
    for (r = 1; r <= NR; r++) printf fmt, cell[r, 1], cell[r, 2], cell[r, 3], cell[r, 4]
  }')
echo
echo "$table"

cpu=$(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
peerVersion=$(dpkg-query -W -f='${Version}' speedcrunch 2>/dev/null || echo unknown)
xvfbVersion=$(dpkg-query -W -f='${Version}' xvfb 2>/dev/null || echo unknown)
# The reading of the figures below the table is written by hand and kept.
notes=$(sed -n '/^## Where the time and memory go/,$p' docs/benchmarks.md 2>/dev/null || true)
{
  echo "# Benchmarks"
  echo
  echo "Written by \`bench/run.sh\`; every figure is the median of $runs samples."
  echo "Ratios compare against a yardstick measured in the same run, alternating"
  echo "with it sample by sample."
  echo
  echo "- **Start-up** is measured from outside: \`process_bench\` starts each program"
  echo "  with Qt's xcb plugin on an Xvfb of its own and watches the root window"
  echo "  through XCB. *Mapped* is the time from just before exec until the server"
  echo "  reports the MapNotify of the program's first top-level window; *first frame"
  echo "  drawn* is the first DAMAGE event on that window after it, the program's"
  echo "  first paint reaching the server. The target is on *mapped*."
  echo "- **First opens** run on xcb too: in a running process whose main window has"
  echo "  been painted, the time from triggering the menu entry until the window it"
  echo "  opens has finished its first paint pass (\`FirstPaintWatch\`), in the"
  echo "  program and in its floor alike."
  echo "- **Peak memory** is VmHWM, read by the start-up probe in the process itself"
  echo "  after the first paint and after every window of the menus has been opened"
  echo "  and painted."
  echo "- **The floors** (\`bench/floor/\`) are the same windows built the plain Qt"
  echo "  way without the program's code; each source says what it builds. The census"
  echo "  rows compare every widget (kind, name, shown or hidden, geometry, direction,"
  echo "  font, text, picture size) and the pixels of each window with its floor's."
  echo "- **The peer** is SpeedCrunch $peerVersion from Debian, started the same way."
  echo
  echo "| Figure | Value | Target | Verdict |"
  echo "|---|---|---|---|"
  cut -f2- "$rows" | awk -F'\t' '{ printf "| %s | %s | %s | %s |\n", $1, $2, $3, $4 }'
  echo
  echo "Machine:"
  echo
  echo "- CPU: $cpu"
  echo "- Cores: $(nproc)"
  echo "- Kernel: $(uname -sr)"
  echo "- Qt: $qt; Xvfb: $xvfbVersion"
  echo "- Load average (1, 5, 15 min) before and after: $loadBefore; $loadAfter"
  echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  if [ -n "$notes" ]; then
    echo
    echo "$notes"
  fi
} >docs/benchmarks.md
echo
echo "Written to docs/benchmarks.md"

if cut -f5 "$rows" | grep -qx FAIL; then
  exit 1
fi
