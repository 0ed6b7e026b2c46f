# Sourced by the scripts that run Windows builds under Wine: one Wine prefix
# for them all, made once and kept in the cache, without the host's fonts,
# quiet, without the .NET and browser engine installers Wine would offer on
# first start and without the desktop menu entries Wine makes of Start menu
# shortcuts. Not responsible for what runs in it.
#   KALVANE_WINE_PREFIX   the prefix (default: <cache>/wine-own-fonts)
kalvane_windows_cache=${KALVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kalvane-windows}
# Wine would offer Windows programs every font fontconfig knows (Noto
# included); an empty configuration hides them, so a program has only the
# fonts it loads itself, as on a Windows without Noto: Persian on a picture
# is the carried fonts at work. Wine remembers the fonts it has seen in its
# prefix's registry, so the prefix is one that never saw the host's.
mkdir -p "$kalvane_windows_cache"
printf '%s\n' '<?xml version="1.0"?>' '<!DOCTYPE fontconfig SYSTEM "fonts.dtd">' \
  '<fontconfig></fontconfig>' >"$kalvane_windows_cache/no-host-fonts.conf"
export FONTCONFIG_FILE=$kalvane_windows_cache/no-host-fonts.conf
export WINEPREFIX=${KALVANE_WINE_PREFIX:-$kalvane_windows_cache/wine-own-fonts}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export WINEARCH=win64

# Makes the prefix on first use (about half a minute, once); waits for
# wineboot so that what runs next starts at once. A first wineboot on a new
# machine has been seen to fail once in a child it starts ("Application
# could not be started") and pass when run again: it gets a second try.
wine_prefix_ready() {
  [ ! -f "$WINEPREFIX/.kalvane-ready" ] || return 0
  local started=$SECONDS attempt
  mkdir -p "$WINEPREFIX"
  for attempt in 1 2; do
    if wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 && wineserver -w; then
      touch "$WINEPREFIX/.kalvane-ready"
      echo "Wine prefix $WINEPREFIX made in $((SECONDS - started)) s"
      return 0
    fi
    echo "wineboot failed (try $attempt of 2):" >&2
    tail "$WINEPREFIX/wineboot.log" >&2
    wineserver -k 2>/dev/null || true
  done
  return 1
}

# Ends this prefix's wineserver and every Windows process under it.
wine_prefix_stop() {
  wineserver -k 2>/dev/null || true
}
