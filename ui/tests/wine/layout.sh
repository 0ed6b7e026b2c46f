#!/usr/bin/env bash
# The GUI tests that check the windows' layouts (nothing overlaps, nothing is
# cut off, in both languages), cross-built for Windows and run under Wine on
# an Xvfb display with Qt's windows platform: the Windows font engine
# measures the texts, in the Fusion style the program sets on Windows
# (ui/look.cpp, which look_test checks here).   layout.sh QT_PREFIX BUILD_DIR
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
repo=$(cd "$here/../../.." && pwd)
qt=$(readlink -f "$1")
mkdir -p "$2"
build=$(readlink -f "$2")
tests=(main_window_test colour_code_window_test smd_code_window_test network_finder_window_test
  divider_window_test led_array_window_test look_test)

started=$SECONDS
"$qt/bin/qt-cmake" -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DKALVANE_WERROR=ON \
  -DKALVANE_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${tests[@]}"
echo "Layout tests cross-built in $((SECONDS - started)) s"

source "$repo/packaging/windows/wine.sh"
source "$repo/packaging/windows/fonts.sh"
# The tests measure with the fonts the program carries, beside each test as
# beside kalvane.exe in the zip (Wine shows none of the host's).
work=$(mktemp -d)
xvfb=
cleanup() {
  wine_prefix_stop
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" \
  >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
wine_prefix_ready

gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$gcc_dir");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
export WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM=windows
QT_PLUGIN_PATH=$(winepath -w "$qt/plugins")
status=0
for t in "${tests[@]}"; do
  exe=$(find "$build" -name "$t.exe" | head -n1)
  copy_carried_fonts "$(dirname "$exe")"
  case $t in
    look_test) cases=() ;;
    smd_code_window_test) cases=(-style fusion typedTextsShowTheirReadingOrMessage) ;;
    network_finder_window_test) cases=(-style fusion typedTargetsShowNetworksOrAMessage) ;;
    divider_window_test) cases=(-style fusion typedTextsShowPairsOrAMessage bothModesFitInBothLanguages) ;;
    led_array_window_test) cases=(-style fusion typedInputsShowTheirDesignOrProblem) ;;
    *) cases=(-style fusion nothingOverlapsOrIsCutOff) ;;
  esac
  echo "$t ${cases[*]}"
  # Under Wine QtTest's report reaches a file, not the terminal.
  rm -f "$build/$t.log"
  timeout 300 wine "$exe" -o "$(winepath -w "$build/$t.log"),txt" "${cases[@]}" >/dev/null 2>&1 ||
    status=1
  grep -E '^(FAIL|   Loc|Totals)' "$build/$t.log" || true
done
exit "$status"
