#!/usr/bin/env bash
# Finds or builds Qt 6.4.2 for 64-bit Windows (MinGW-w64) and prints its
# prefix on the last line of stdout. Not responsible for building Kalvane.
#   qt.sh find     a prefix at hand, or nothing (exit 1): $KALVANE_QT_MINGW_PREFIX,
#                  the cache's own build, or the ready prefix in the shared folder
#                  (unpacked once into the cache after its checksum is checked)
#   qt.sh ensure   $KALVANE_QT_MINGW_PREFIX or the cache's own build; else builds
#                  it from Debian's source packages into the cache (half an hour)
# Settings (environment):
#   KALVANE_QT_MINGW_PREFIX  a ready prefix; used as it is
#   KALVANE_WINDOWS_CACHE    cache folder (default ~/.cache/kalvane-windows)
#   KALVANE_QTSVG_SOURCE     qtsvg-everywhere-src-6.4.2.tar.xz, used when the
#                            mirror lacks Debian's qt6-svg source
#   KALVANE_SHARED_DIR       the shared folder (default: ../shared beside the clone)
#   KALVANE_DEBIAN_MIRROR    where deb-src comes from (default http://deb.debian.org/debian)
set -euo pipefail

here=$(cd "$(dirname "$(readlink -f "$0")")" && pwd)
repo=$(cd "$here/../.." && pwd)
qt_version=6.4.2
cache=${KALVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalvane-windows}
built_prefix=$cache/qt$qt_version-mingw64
shared=${KALVANE_SHARED_DIR:-$repo/../shared}
ready_tarball=$shared/windows/qt$qt_version-mingw64.tar.xz
ready_sha256=a33043df75efcd836854b703601b38528821a12ed8e022fd358461bee4ab15b9
qtsvg_tarball_name=qtsvg-everywhere-src-$qt_version.tar.xz
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6
mirror=${KALVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
jobs=$(nproc)

log() { echo "qt.sh: $*" >&2; }

# A usable prefix has the cross toolchain chain-loaded and the Windows QtCore.
usable() {
  [ -f "$1/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -f "$1/bin/Qt6Core.dll" ] &&
    [ -f "$1/lib/cmake/Qt6Svg/Qt6SvgConfig.cmake" ]
}

from_environment() {
  [ -n "${KALVANE_QT_MINGW_PREFIX:-}" ] || return 1
  usable "$KALVANE_QT_MINGW_PREFIX" || {
    log "KALVANE_QT_MINGW_PREFIX=$KALVANE_QT_MINGW_PREFIX holds no Qt for MinGW"
    exit 1
  }
  echo "$KALVANE_QT_MINGW_PREFIX"
}

# The cache's own build counts only once its last step wrote the stamp.
from_cache() {
  [ -f "$built_prefix/.complete" ] && usable "$built_prefix" && echo "$built_prefix"
}

from_shared_tarball() {
  [ -f "$ready_tarball" ] || return 1
  local sum dir
  sum=$(sha256sum "$ready_tarball" | cut -d' ' -f1)
  if [ "$sum" != "$ready_sha256" ]; then
    log "$ready_tarball: sha256 $sum, expected $ready_sha256; not used"
    return 1
  fi
  dir=$cache/ready-${sum:0:12}
  if [ ! -f "$dir/.complete" ]; then
    log "unpacking $ready_tarball into $dir"
    rm -rf "$dir" && mkdir -p "$dir"
    tar -xJf "$ready_tarball" -C "$dir"
    touch "$dir/.complete"
  fi
  usable "$dir/qt$qt_version-mingw64" && echo "$dir/qt$qt_version-mingw64"
}

# apt-get on a private configuration with one deb-src entry: the machine's
# sources, lists and caches are never touched.
private_apt() {
  local conf=$work/apt
  local apt_opts=(-o "Dir::Etc::SourceList=$conf/sources.list" -o "Dir::Etc::SourceParts=$conf/parts"
      -o "Dir::Etc::Preferences=$conf/prefs/none" -o "Dir::Etc::PreferencesParts=$conf/prefs"
      -o "Dir::State::Lists=$conf/lists" -o "Dir::Cache=$conf/cache"
      -o "Dir::State::status=/var/lib/dpkg/status" -o "Debug::NoLocking=1"
      -o "APT::Sandbox::User=$(id -un)")
  if [ ! -f "$conf/updated" ]; then
    mkdir -p "$conf/lists/partial" "$conf/cache/archives/partial" "$conf/parts" "$conf/prefs"
    echo "deb-src $mirror bookworm main" >"$conf/sources.list"
    apt-get "${apt_opts[@]}" -q update >&2
    touch "$conf/updated"
  fi
  apt-get "${apt_opts[@]}" "$@"
}

installed_version() { dpkg-query -W -f='${Version}' "$1"; }

build_from_source() {
  local start total t0 base_version svg_version svg_dir
  start=$(date +%s)
  work=$cache/work
  rm -rf "$built_prefix"
  mkdir -p "$work" "$built_prefix/lib/cmake"
  cp "$here/mingw-w64-x86_64.cmake" "$built_prefix/lib/cmake/"

  # The host tools (moc, rcc, uic) are the installed qt6-base-dev-tools; the
  # target Qt must be the same version.
  base_version=$(installed_version qt6-base-dev-tools)
  case "$base_version" in "$qt_version"*) ;; *)
    log "qt6-base-dev-tools is $base_version, not $qt_version"; exit 1 ;;
  esac
  t0=$(date +%s)
  (cd "$work" && rm -rf qt6-base-* && private_apt -q source "qt6-base=$base_version" >&2)
  log "qtbase source fetched and unpacked in $(($(date +%s) - t0)) s"

  svg_version=$(apt-cache show qt6-svg-dev 2>/dev/null | sed -n 's/^Version: //p' | head -n1)
  svg_dir=""
  if (cd "$work" && rm -rf qt6-svg-* && private_apt -q source "qt6-svg${svg_version:+=$svg_version}" >&2); then
    svg_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-svg-*' | head -n1)
  else
    local tarball=${KALVANE_QTSVG_SOURCE:-$shared/windows/$qtsvg_tarball_name}
    log "Debian's qt6-svg source is not on the mirror; using $tarball"
    [ -f "$tarball" ] || { log "no $tarball: name it with KALVANE_QTSVG_SOURCE"; exit 1; }
    [ "$(sha256sum "$tarball" | cut -d' ' -f1)" = "$qtsvg_sha256" ] || {
      log "$tarball: wrong sha256 (expected $qtsvg_sha256)"; exit 1; }
    rm -rf "$work/qtsvg-everywhere-src-$qt_version"
    tar -xJf "$tarball" -C "$work"
    svg_dir=$work/qtsvg-everywhere-src-$qt_version
  fi

  # Only what Kalvane uses: Core, Gui, Widgets, Test (its GUI tests), the
  # windows platform plugin, and Svg with its image-format and icon plugins.
  t0=$(date +%s)
  cmake -G Ninja -S "$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)" \
    -B "$work/build-qtbase" \
    -DCMAKE_TOOLCHAIN_FILE="$built_prefix/lib/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$built_prefix" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
    -DFEATURE_glib=OFF -DFEATURE_jpeg=OFF -DFEATURE_androiddeployqt=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_doubleconversion=OFF >"$work/qtbase-configure.log" 2>&1 ||
    { tail -n 40 "$work/qtbase-configure.log" >&2; exit 1; }
  cmake --build "$work/build-qtbase" -j "$jobs" >"$work/qtbase-build.log" 2>&1 ||
    { tail -n 40 "$work/qtbase-build.log" >&2; exit 1; }
  cmake --install "$work/build-qtbase" >/dev/null
  log "qtbase configured, built and installed in $(($(date +%s) - t0)) s"

  t0=$(date +%s)
  "$built_prefix/bin/qt-cmake" -G Ninja -S "$svg_dir" -B "$work/build-qtsvg" \
    -DCMAKE_INSTALL_PREFIX="$built_prefix" -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF >"$work/qtsvg-configure.log" 2>&1 ||
    { tail -n 40 "$work/qtsvg-configure.log" >&2; exit 1; }
  cmake --build "$work/build-qtsvg" -j "$jobs" >"$work/qtsvg-build.log" 2>&1 ||
    { tail -n 40 "$work/qtsvg-build.log" >&2; exit 1; }
  cmake --install "$work/build-qtsvg" >/dev/null
  log "qtsvg configured, built and installed in $(($(date +%s) - t0)) s"

  usable "$built_prefix" || { log "the build left no usable prefix in $built_prefix"; exit 1; }
  touch "$built_prefix/.complete"
  rm -rf "$work"
  total=$(($(date +%s) - start))
  log "Qt $qt_version for MinGW built in $((total / 60)) min $((total % 60)) s;" \
    "$built_prefix holds $(du -sh "$built_prefix" | cut -f1)"
}

case "${1:-}" in
  find) from_environment || from_cache || from_shared_tarball || exit 1 ;;
  ensure)
    if ! from_environment && ! from_cache; then
      log "no Qt $qt_version for MinGW at hand (KALVANE_QT_MINGW_PREFIX unset, none in $cache);" \
        "building it from Debian's sources"
      build_from_source
      echo "$built_prefix"
    fi
    ;;
  *) echo "usage: $0 find|ensure" >&2; exit 2 ;;
esac
