#!/usr/bin/env bash
# Kalvane's two developer commands, for a Debian 12 machine:
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run every test
# and the Windows build beside them:
#   ./dev.sh windows   the portable zip and the installer in build/windows
# Packages are installed with apt-get, as root or through sudo.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# Every tool the two commands call comes from one of these: a fresh minbase
# Debian 12 has none of them.
packages=(
  build-essential binutils cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev libxcb-damage0-dev
  clang-14 libclang-rt-14-dev
  # cpack's Debian generator runs file, dpkg-shlibdeps, objdump and strip
  file dpkg-dev desktop-file-utils appstream
  fonts-noto-core fonts-noto-ui-core locales
  # the X11 stage: a display, keys and clicks, the clipboard, a keyboard
  # layout, a window manager's close (libX11), a private D-Bus session and
  # the accessibility tree read from Python
  xvfb x11-xkb-utils xkb-data xdotool xclip libx11-6 dbus-daemon at-spi2-core
  python3 python3-gi gir1.2-atspi-2.0
  # the Wayland stage: a headless compositor and its command line, Qt's
  # Wayland platform plugin, keys through the virtual keyboard, screenshots,
  # the clipboard, and setpriv (util-linux) to drop root for the compositor
  sway qt6-wayland wtype grim wl-clipboard util-linux
)
# The Windows build's tests (./dev.sh test and windows): the MinGW-w64 cross
# compiler and Wine. Only ./dev.sh windows needs the installer compiler and
# Perl, which building Qt from its sources runs.
windows_test_packages=(g++-mingw-w64-x86-64-posix wine wine64)
windows_packages=("${windows_test_packages[@]}" nsis perl)
test_locales=(de_DE fa_IR)
jobs=$(nproc)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
  local missing=()
  for p in "${packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# The number-text tests run under a comma locale and a Persian one.
generate_test_locales() {
  for l in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qi "^${l}\.utf-\?8$" || as_root localedef -i "$l" -f UTF-8 "$l.UTF-8"
  done
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

# build_program DIR TARGET: a Release build of one program, without the
# tests, fuzz replays and benchmarks.
build_program() {
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVANE_BUILD_TESTS=OFF \
    -DKALVANE_BUILD_FUZZERS=OFF -DKALVANE_BUILD_BENCH=OFF >/dev/null
  cmake --build "$1" -j "$jobs" --target "$2"
}

# The compiler cache for the test command's builds: a later run, in this
# clone or a fresh one, compiles only what changed. Paths inside the clone
# are hashed relative to it, so every clone of the repository shares it; a
# compiler is known by its contents, not its file's date, so a reinstalled
# one still finds its objects. CMake reads the launcher from the environment
# when a build is configured.
use_compiler_cache() {
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=true CCACHE_COMPILERCHECK=content
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
}

# stage NAME COMMAND...: runs one step of the test command and says how long
# it took, so a slow CI run shows where its time went.
stage() {
  local name=$1 started=$SECONDS
  shift
  "$@"
  echo "== $name: $((SECONDS - started)) s"
}

run_tests() {
  local dir=$1
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
}

# Three builds: the normal one with every test, then its program on an X
# display (ui/tests/x11) and on a Wayland compositor (ui/tests/wayland); the
# same suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer; the fuzz targets with
# clang, each run for a short, bounded time from its saved inputs.
cmd_test() {
  local started=$SECONDS
  install_missing_packages "${windows_test_packages[@]}"
  generate_test_locales
  use_compiler_cache
  stage "normal build" configure_and_build build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVANE_WERROR=ON -DKALVANE_BUILD_BENCH=ON  # built, never run here: bench/run.sh runs them
  stage "normal tests" run_tests build/ci
  # The program itself on a real X display, driven through the X server,
  # then natively on a Wayland compositor.
  stage "X11 stage" ui/tests/x11/run.sh build/ci/ui/kalvane build/ci/x11
  stage "Wayland stage" ui/tests/wayland/run.sh build/ci/ui/kalvane build/ci/wayland
  windows_tests

  stage "sanitizer build" configure_and_build build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVANE_WERROR=ON -DKALVANE_SANITIZE=ON
  # Leaks of Qt, fontconfig and the platform are listed, with reasons, in
  # .ci/lsan.supp; any other leak, memory error or undefined behaviour fails.
  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
    LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    stage "sanitizer tests" run_tests build/asan

  stage "fuzz build" configure_and_build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVANE_WERROR=ON -DCMAKE_CXX_COMPILER=clang++-14 -DKALVANE_BUILD_FUZZERS=ON \
    -DKALVANE_BUILD_GUI=OFF -DKALVANE_BUILD_TESTS=OFF
  stage "fuzzing" fuzz_targets
  echo "All tests passed in $((SECONDS - started)) s."
}

# Each fuzz target for a short, bounded time from its saved inputs. New
# inputs go to a working corpus in the build folder; the saved one in
# fuzz/corpus is only read. A failing input is left in build/fuzz/artifacts.
fuzz_targets() {
  local fuzz_seconds=${KALVANE_FUZZ_SECONDS:-20} target
  mkdir -p build/fuzz/artifacts
  for target in fuzz/corpus/*/; do
    target=$(basename "$target")
    mkdir -p "build/fuzz/corpus/$target"
    echo "Fuzzing $target for ${fuzz_seconds}s"
    if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time="$fuzz_seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$target-" \
        "build/fuzz/corpus/$target" "fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1; then
      tail -n 60 "build/fuzz/$target.log" >&2
      echo "Fuzz target $target failed; its input is in build/fuzz/artifacts." >&2
      exit 1
    fi
    grep -E '^stat::number_of_executed_units' "build/fuzz/$target.log" || true
  done
}

# The Windows build's tests under Wine: the core suite cross-built with
# MinGW (one program, one run), then, when a Qt for Windows is at hand, the
# program itself (ui/tests/wine). CI has the ready Qt prefix in ../shared.
windows_tests() {
  stage "core under Wine" core/tests/wine/run.sh build/ci-windows-core
  local qt
  if qt=$(packaging/windows/qt.sh find | tail -n1) && [ -n "$qt" ]; then
    stage "Windows build" packaging/windows/build.sh "$qt" build/ci-windows
    stage "Wine smoke stage" ui/tests/wine/run.sh build/ci-windows/kalvane-*-windows-x64.zip \
      build/ci-windows/smoke
  else
    echo "Wine smoke stage skipped: no Qt for Windows at hand (set KALVANE_QT_MINGW_PREFIX," \
      "run ./dev.sh windows once, or put qt6.4.2-mingw64.tar.xz in ${KALVANE_SHARED_DIR:-../shared}/windows)."
  fi
}

# The Windows build: Qt for MinGW found or built (packaging/windows/qt.sh),
# kalvane.exe cross-built, the portable zip and the installer made, then the
# program run under Wine (ui/tests/wine), the layout tests under Wine and
# the installer's round trip.
cmd_windows() {
  install_missing_packages "${windows_packages[@]}"
  local started=$SECONDS qt
  qt=$(packaging/windows/qt.sh ensure | tail -n1)
  echo "Qt for Windows: $qt ($(du -sh "$qt" | cut -f1)), ready in $((SECONDS - started)) s"
  started=$SECONDS
  packaging/windows/build.sh "$qt" build/windows --installer
  echo "Zip and installer made in $((SECONDS - started)) s"
  started=$SECONDS
  ui/tests/wine/run.sh build/windows/kalvane-*-windows-x64.zip build/windows/smoke
  ui/tests/wine/layout.sh "$qt" build/windows/layout-tests
  packaging/windows/tests/installer_round_trip.sh build/windows/kalvane-*-setup.exe \
    build/windows/installer
  echo "Tested under Wine in $((SECONDS - started)) s; pictures in build/windows/smoke"
  ls -l build/windows/*.zip build/windows/*-setup.exe
}

cmd_run() {
  install_missing_packages
  build_program build/release kalvane
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start Kalvane from a desktop session (or under xvfb-run)." >&2
    exit 1
  fi
  exec build/release/ui/kalvane
}

# Renders every window in both languages into docs/screenshots (and the
# HiDPI set at scale 2 into docs/screenshots/hidpi).
cmd_screenshots() {
  install_missing_packages
  build_program build/release kalvane-screenshot
  QT_QPA_PLATFORM=offscreen build/release/ui/kalvane-screenshot docs/screenshots
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/release/ui/kalvane-screenshot docs/screenshots/hidpi
}

case "${1:-}" in
  run) cmd_run ;;
  test) cmd_test ;;
  screenshots) cmd_screenshots ;;
  windows) cmd_windows ;;
  *) echo "usage: $0 run|test|screenshots|windows" >&2; exit 2 ;;
esac
