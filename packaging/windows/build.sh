#!/usr/bin/env bash
# Cross-builds kalvane.exe against a Qt for MinGW and lays out what a Windows
# user gets: the portable folder and its zip, and with --installer the NSIS
# installer.   build.sh QT_PREFIX OUT_DIR [--installer]
# OUT_DIR/build is the CMake build; OUT_DIR/Kalvane the portable folder.
# Not responsible for finding or building Qt (qt.sh does).
set -euo pipefail
here=$(cd "$(dirname "$(readlink -f "$0")")" && pwd)
repo=$(cd "$here/../.." && pwd)
qt=$(readlink -f "$1")
mkdir -p "$2"
out=$(readlink -f "$2")
installer=${3:-}
target=x86_64-w64-mingw32
version=$(sed -n 's/^project(Kalvane VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")

started=$SECONDS
"$qt/bin/qt-cmake" -S "$repo" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKALVANE_WERROR=ON -DKALVANE_BUILD_TESTS=OFF -DKALVANE_BUILD_FUZZERS=OFF \
  -DKALVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$out/build" -j "$(nproc)" --target kalvane
echo "kalvane.exe cross-built in $((SECONDS - started)) s"

# The portable folder: the program, every DLL it and its plugins import that
# is not part of Windows, the plugins Qt loads, the fonts and the licences.
# No style plugin: the program uses the Fusion style built into Qt.
dir=$out/Kalvane
rm -rf "$dir"
mkdir -p "$dir"/{platforms,imageformats,iconengines,fonts,licences}
# qt_standard_project_setup puts Windows programs at the top of the build.
cp "$out/build/kalvane.exe" "$dir/"
cp "$qt/plugins/platforms/qwindows.dll" "$dir/platforms/"
cp "$qt/plugins/imageformats/qsvg.dll" "$dir/imageformats/"
cp "$qt/plugins/iconengines/qsvgicon.dll" "$dir/iconengines/"

gcc_dir=$(dirname "$("$target-g++-posix" -print-libgcc-file-name)")
dll_dirs=("$qt/bin" "$gcc_dir" "/usr/$target/lib")
imports() { "$target-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
find_dll() {
  local d
  for d in "${dll_dirs[@]}"; do
    [ -f "$d/$1" ] && { echo "$d/$1"; return; }
  done
  return 0
}
# Follow the imports from the program and the plugins; a DLL found in none
# of the folders is Windows' own (KERNEL32.dll, USER32.dll, ...).
queue=("$dir"/kalvane.exe "$dir"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [ -f "$dir/$dll" ] && continue
    found=$(find_dll "$dll")
    [ -n "$found" ] || continue
    cp "$found" "$dir/$dll"
    queue+=("$dir/$dll")
  done < <(imports "$file")
done
find "$dir" -name '*.exe' -o -name '*.dll' | xargs "$target-strip" --strip-unneeded

# The fonts the windows are laid out with (Noto, as on Linux), loaded by
# the program itself on Windows; their licence beside them.
source "$here/fonts.sh"
copy_carried_fonts "$dir"
cp /usr/share/doc/fonts-noto-core/copyright "$dir/licences/Noto fonts (SIL OFL 1.1).txt"

cp "$here/licences/README.txt" "$dir/licences/README.txt"
cp /usr/share/common-licenses/LGPL-3 "$dir/licences/LGPL-3.0.txt"
cp /usr/share/common-licenses/GPL-3 "$dir/licences/GPL-3.0.txt"
cp /usr/share/doc/libqt6core6/copyright "$dir/licences/Qt base copyright.txt"
cp /usr/share/doc/libqt6svg6/copyright "$dir/licences/Qt SVG copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$dir/licences/MinGW-w64 GCC runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$dir/licences/MinGW-w64 winpthreads.txt"
sed -i 's/$/\r/' "$dir"/licences/*.txt

zip=$out/kalvane-$version-windows-x64.zip
rm -f "$zip"
(cd "$out" && cmake -E tar cf "$zip" --format=zip Kalvane)
echo "$zip: $(du -h "$zip" | cut -f1) ($(du -sh "$dir" | cut -f1) unpacked)"

if [ "$installer" = --installer ]; then
  started=$SECONDS
  setup=$out/kalvane-$version-setup.exe
  makensis -V2 -DVERSION="$version" -DSOURCE="$dir" -DICON="$here/kalvane.ico" \
    -DOUTFILE="$setup" "$here/kalvane.nsi"
  echo "$setup: $(du -h "$setup" | cut -f1), made in $((SECONDS - started)) s"
fi
