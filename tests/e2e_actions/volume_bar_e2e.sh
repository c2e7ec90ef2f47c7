#!/usr/bin/env bash
# "Volume Up" of the real program paints the volume bar on the screen, and the bar goes again
# two seconds later. Painting on the screen shows only where Wine has a desktop window of its
# own, so the program and the key probe run in a Wine virtual desktop of 1024x768.
# Arguments: zorvane.exe, the key probe, where to keep the screenshot.
source "$(dirname "$0")/../e2e/e2e_lib.sh"
SHOT=$3
desktop=zorvane-e2e

# Copies under names of their own, which Wine's per-program settings send into the desktop.
bar_exe=zvbar.exe
bar_probe=zvbarprobe.exe
cp "$ZV_EXE" "$work/$bar_exe"
cp "$ZV_PROBE" "$work/$bar_probe"
for exe in $bar_exe $bar_probe; do
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\Explorer" /v Desktop /d $desktop /f >/dev/null
done
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v $desktop /d 1024x768 /f >/dev/null
bar_cleanup() {
  e2e_cleanup
  for exe in $bar_exe $bar_probe; do
    wine reg delete "HKCU\\Software\\Wine\\AppDefaults\\$exe" /f >/dev/null 2>&1 || true
  done
  wine reg delete 'HKCU\Software\Wine\Explorer\Desktops' /v $desktop /f >/dev/null 2>&1 || true
}
trap bar_cleanup EXIT

settings '[DisableKey]' 'Index=1' 'KeyCode1=86' '[SwapKey]' 'V=Volume Up'
: > "$work/probe.txt"
wine reg delete 'HKLM\Software\Quillon' /f >/dev/null 2>&1 || true
# Their output goes to a file: the desktop's own process inherits it and outlives the test.
(cd "$work" && exec wine $bar_exe -Hide >>"$work/wine.log" 2>&1) &
pids+=($!)
for _ in $(seq 300); do
  [ "$(reg_value 'Software\Quillon\Propertiy' Handle)" != none ] && break
  sleep 0.2
done
[ "$(reg_value 'Software\Quillon\Propertiy' Handle)" != none ] || fail "no Handle published"
(cd "$work" && exec wine $bar_probe probe.txt >>"$work/wine.log" 2>&1) &
pids+=($!)
for _ in $(seq 300); do
  grep -q ready "$work/probe.txt" && break
  sleep 0.2
done
grep -q ready "$work/probe.txt" || fail "the probe did not start"
screen=$(xdotool search --name "^$desktop - Wine desktop\$" 2>/dev/null | head -n1 || true)
[ -n "$screen" ] || fail "no Wine desktop window"
xdotool windowfocus --sync "$screen"
sleep 0.5

# The desktop window's top-left corner on the X screen, so pixels can be read as Windows sees them.
eval "$(xdotool getwindowgeometry --shell "$screen")"
pixel() {  # x y -> the colour at the Windows screen position as "r,g,b"
  convert "$work/shot.png" -format "%[fx:int(255*p{$((X + $1)),$((Y + $2))}.r)],%[fx:int(255*p{$((X + $1)),$((Y + $2))}.g)],%[fx:int(255*p{$((X + $1)),$((Y + $2))}.b)]" info:
}
# import composes the screen window by window. xwd's plain copy of the frame buffer shows black
# beside the text: Wine's virtual desktop does not redraw its own window where a shaped window
# above it leaves gaps.
shoot() { import -window root "$work/shot.png"; }

# Five presses from 0 (this machine has no volume control, so the last value set stands in):
# 16400 of 65535, 75 of the bar's 300 pixels green, "25%".
for _ in 1 2 3 4 5; do
  xdotool key v
  sleep 0.25
done
sleep 0.5
shoot
[ -n "$SHOT" ] && cp "$work/shot.png" "$SHOT"
# The bar spans x 362 to 662 and y 668 to 708 on a 1024x768 screen.
[ "$(pixel 400 688)" = "0,255,0" ] || fail "no green bar at (400, 688): $(pixel 400 688)"
[ "$(pixel 600 688)" = "255,255,0" ] || fail "no yellow bar at (600, 688): $(pixel 600 688)"
[ "$(pixel 435 688)" = "0,255,0" ] && [ "$(pixel 439 688)" = "255,255,0" ] ||
  fail "the filled part does not end at 75 pixels: $(pixel 435 688) $(pixel 439 688)"
echo "ok: the bar shows 75 of 300 pixels"
# Beside the percentage, inside the bar's own window, the desktop shows through.
[ "$(pixel 600 650)" = "$(pixel 900 650)" ] ||
  fail "the bar's window hides the desktop beside the text: $(pixel 600 650)"
echo "ok: only the bar and its text are drawn"

sleep 2.5
shoot
[ "$(pixel 400 688)" != "0,255,0" ] || fail "the bar is still shown after two seconds"
echo "ok: the bar is gone two seconds after the last press"
