#!/bin/sh
# Builds the Debian package of a build directory and checks its control
# fields and its contents: check_package.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/kalvane_*.deb)

fail() { echo "FAIL: $*"; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = kalvane ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Section)" = electronics ] || fail "Section is $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libc6 libstdc++6 \
              fonts-noto-core fonts-noto-ui-core; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$needed" ||
    fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/kalvane \
            ./usr/share/applications/org.example.Kalvane.desktop \
            ./usr/share/metainfo/org.example.Kalvane.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.example.Kalvane.svg; do
  echo "$contents" | grep -qx "$path" || fail "package lacks $path"
done
# Only the program and its desktop files: no tests, tools or headers.
unexpected=$(echo "$contents" | grep -v -e '/$' \
  -e '^./usr/bin/kalvane$' -e '^./usr/share/applications/' -e '^./usr/share/metainfo/' \
  -e '^./usr/share/icons/' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"
echo "package $deb: fields and contents as expected"
