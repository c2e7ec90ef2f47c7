# Sourced by the scripts that run Windows programs: a private WINEPREFIX in a temporary folder
# and a private Xvfb display, both ended and removed when the calling script exits.
# Never touches ~/.wine or a display it did not start.

# Wine spells Unix file names in the locale's character set: in the C locale (LANG unset, as in
# a root shell, a container or a cron job) it cannot open a folder whose name is not ASCII.
# Debian always has C.UTF-8; a UTF-8 locale of the user's own is kept.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
fi

zv_wine_cleanup() {
  if [ -n "${ZV_WINEPREFIX:-}" ]; then
    WINEPREFIX="$ZV_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$ZV_WINEPREFIX" wineserver -w >/dev/null 2>&1 || true
    rm -rf "$ZV_WINEPREFIX"
  fi
  if [ -n "${ZV_XVFB_PID:-}" ]; then
    kill "$ZV_XVFB_PID" 2>/dev/null || true
    wait "$ZV_XVFB_PID" 2>/dev/null || true
  fi
  [ -n "${ZV_DISPLAY_FILE:-}" ] && rm -f "$ZV_DISPLAY_FILE"
  return 0
}

# Starts a private Xvfb on a free display number and exports DISPLAY; its pid is ZV_XVFB_PID.
zv_start_xvfb() {
  ZV_DISPLAY_FILE=$(mktemp)
  # Room for the main window with an open drop-down list below it, also with Wine's own fonts
  # (Tahoma), whose dialog units are larger than the fallback's: a list without room below its
  # box opens upwards.
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$ZV_DISPLAY_FILE" >/dev/null 2>&1 &
  ZV_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$ZV_DISPLAY_FILE" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$ZV_DISPLAY_FILE")"
}

# Debian's Wine looks for its own fonts in <data dir>/../fonts (/usr/share/fonts), while the
# fonts-wine package puts them in /usr/share/wine/fonts. Without them Marlett is missing and
# Wine draws the caption buttons as the letters "0 1 r" in a text font, and "MS Shell Dlg"
# (Tahoma) falls back to another face. The Windows folder's Fonts is always searched.
zv_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
}

zv_wine_start() {
  trap zv_wine_cleanup EXIT
  zv_start_xvfb
  ZV_WINEPREFIX=$(mktemp -d /tmp/zorvane-wine.XXXXXX)
  export WINEPREFIX="$ZV_WINEPREFIX"
  export WINEDEBUG=-all
  # No .NET or Gecko prompts, and no menu entries in the user's desktop for the installer's
  # shortcuts (winemenubuilder writes to ~/.local/share/applications).
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  wineboot -i >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1 || true
  zv_wine_fonts
  echo "wine: prefix $WINEPREFIX on display $DISPLAY"
}
