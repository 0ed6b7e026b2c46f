#!/usr/bin/env bash
# Builds the benchmarks (Release, KALVANE_BUILD_BENCH=ON, in build/bench),
# runs all of them offscreen and prints one table of figure, value, target
# and verdict. The table, with the machine it ran on, is also written to
# docs/benchmarks.md. Exits with 1 when a target is missed.
#   bench/run.sh
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

build=build/bench
runs=21  # samples per figure, medians taken; the issue asks for at least 15
jobs=$(nproc)
log=$build/bench-log.txt

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVANE_BUILD_BENCH=ON \
  -DKALVANE_BUILD_TESTS=OFF -DKALVANE_BUILD_FUZZERS=OFF >/dev/null
cmake --build "$build" --target kalvane_bench -j "$jobs"

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
procs=("$bin/kalvane_probe" "$bin/minimal_qt_probe" "$bin/qt_floor_probe" "$bin/gui_bench" "$runs")
run "start-up and first opens" "$bin/process_bench" startup "${procs[@]}"
run "per-action costs" "$bin/gui_bench" actions
run "first language switch" "$bin/process_bench" switch "${procs[@]}"
run "core speed" "$bin/core_bench" --benchmark_repetitions="$runs" \
  --benchmark_report_aggregates_only=true --benchmark_min_time=0.1
run "peak memory" "$bin/process_bench" memory "${procs[@]}"
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
{
  echo "# Benchmarks"
  echo
  echo "Written by \`bench/run.sh\`; every figure is the median of $runs samples."
  echo "Ratios compare against a yardstick measured in the same run, alternating"
  echo "with it. The windows run offscreen (\`QT_QPA_PLATFORM=offscreen\`)."
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
  echo "- Qt: $qt"
  echo "- Load average (1, 5, 15 min) before and after: $loadBefore; $loadAfter"
  echo "- Date: $(date -u '+%Y-%m-%d %H:%M UTC')"
} >docs/benchmarks.md
echo
echo "Written to docs/benchmarks.md"

if cut -f5 "$rows" | grep -qx FAIL; then
  exit 1
fi
