#!/usr/bin/env bash
# The main window at 100 %, 150 % and 200 % (Wine's LogPixels 96, 144, 192): the program is
# DPI aware, so its window grows with the DPI, and no label, button or check box clips its text.
# With ZV_SCREENSHOTS=folder it also leaves main_window_150.png there.
# Usage: dpi_e2e.sh zorvane.exe text_fit.exe
set -euo pipefail
exe=$1
checker=$2
work=$(mktemp -d /tmp/zv-dpi.XXXXXX)
pid=""
desktop='HKCU\Control Panel\Desktop'
unmanaged='HKCU\Software\Wine\AppDefaults\zorvane.exe\X11 Driver'
cleanup() {
  [ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
  # The session's later tests get the prefix as they expect it.
  wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1 || true
  wine reg delete "$unmanaged" /f >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
# A registry write can meet the prefix busy with the previous test's programs ending.
reg_write() {
  for _ in 1 2 3; do
    wine reg add "$@" /f >/dev/null 2>&1 && return 0
    sleep 1
  done
  fail "could not write $*"
}

cp "$exe" "$work/zorvane.exe"
cp "$checker" "$work/text_fit.exe"
# Without a window manager, Wine draws the frame itself, as Windows does.
reg_write "$unmanaged" /v Managed /d N
wine reg delete 'HKLM\Software\Quillon' /f >/dev/null 2>&1 || true

declare -A width
for dpi in 96 144 192; do
  reg_write "$desktop" /v LogPixels /t REG_DWORD /d $dpi
  (cd "$work" && exec wine zorvane.exe) &
  pid=$!
  wid=""
  for _ in $(seq 300); do
    wid=$(xdotool search --onlyvisible --name '^Velmora' 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || fail "zorvane.exe ended at start"
    sleep 0.2
  done
  [ -n "$wid" ] || fail "no main window at $dpi DPI"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  width[$dpi]=$WIDTH
  report=$(cd "$work" && wine text_fit.exe TMainForm 2>/dev/null | tr -d '\r') && status=0 || status=$?
  echo "$report" | tail -n1
  [ "$status" = 0 ] || fail "at $dpi DPI: $(echo "$report" | grep -v '^ok')"
  echo "$report" | grep -q " at $dpi DPI" || fail "the checker did not run at $dpi DPI"
  if [ $dpi = 144 ] && [ -n "${ZV_SCREENSHOTS:-}" ]; then
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
      "$ZV_SCREENSHOTS/main_window_150.png"
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
done
# The window keeps its proportions: 150 % and 200 % of its width at 100 %, within a few pixels
# of rounding.
awk -v a="${width[96]}" -v b="${width[144]}" -v c="${width[192]}" \
  'BEGIN { exit !(b / a > 1.4 && b / a < 1.6 && c / a > 1.9 && c / a < 2.1) }' ||
  fail "window widths ${width[96]}, ${width[144]}, ${width[192]} do not follow the DPI"
echo "ok: widths ${width[96]}, ${width[144]}, ${width[192]} at 96, 144, 192 DPI"
