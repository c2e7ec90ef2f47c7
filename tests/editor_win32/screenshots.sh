#!/usr/bin/env bash
# Screenshots of the real program's main window under Wine on a private Xvfb display, written to
# docs/images/: the "Keyboard Map" page with a few mappings (what the parameterised ones do in
# its third column), its shortcut row selected, the "Registry Map" page with a few swaps in
# Windows' key map, the "Settings" and "About" pages, the page with one program chosen, with a
# layer chosen, and "Add program...".
# Usage: tests/editor_win32/screenshots.sh [mingw build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
build=${1:-build/mingw}
exe="$build/src/app/zorvane.exe"
locate="$build/tests/e2e/zv_locate.exe"
[ -f "$exe" ] && [ -f "$locate" ] || { echo "build zorvane and zv_locate first"; exit 1; }
source scripts/wine-session.sh
zv_wine_start
work=$(mktemp -d /tmp/zv-shots.XXXXXX)
pid=""
pids=()  # two of Wine's own programs, offered by "Add program..."
finish() {
  # No wait for the program: with a dialog open it outlives the signal, and the prefix's end
  # (wineserver -k in zv_wine_cleanup) ends it.
  [ -n "$pid" ] && kill "$pid" "${pids[@]}" 2>/dev/null
  rm -rf "$work"
  zv_wine_cleanup
}
trap finish EXIT

# Unmanaged, Wine draws the caption and frame itself (there is no window manager).
wine reg add 'HKCU\Software\Wine\AppDefaults\zorvane.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Caps Lock as Left Ctrl, A as B, Scroll Lock switched off.
wine reg add 'HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layout' /v 'Scancode Map' \
  /t REG_BINARY /d 0000000000000000040000001D003A0030001E000000460000000000 /f >/dev/null
cp "$exe" "$locate" "$work/"
printf '%s\r\n' '[DisableKey]' 'Index=6' 'KeyCode1=20' 'KeyCode2=112' 'KeyCode3=113' 'KeyCode4=93' \
  'KeyCode5=114' 'KeyCode6=115' \
  '[SwapKey]' 'Caps Lock=Left Ctrl' 'F1=TypeText1' 'F2=Volume Up' 'Menu=DisableKey' \
  'F3=KeyCombination1' 'F4=KeySequence1' \
  '[SwapScrKeyCode]' 'Caps Lock=20' 'F1=112' 'F2=113' 'Menu=93' 'F3=114' 'F4=115' \
  '[Settings]' 'Sign=Zorvane' 'TypeTextCount=2' 'KeyCombinationCount=1' 'KeySequenceCount=1' \
  '[TypeText1]' 'Parameter=Kind regards#Jane' '[KeyCombination1]' 'Parameter=24659' \
  '[KeySequence1]' 'Parameter=KeyDown A,KeyUp A,Delay 500,KeyDown B,KeyUp B,' \
  '[SwapShortcut]' 'Ctrl+Shift+V=TypeText2' 'Ctrl+H=BackSpace' '[TypeText2]' 'Parameter=plain' \
  '[SwapKey notepad.exe]' 'Caps Lock=Unchanged' 'F2=Volume Down' 'Tab=Left Ctrl' \
  '[SwapScrKeyCode notepad.exe]' 'Caps Lock=20' 'F2=113' 'Tab=9' \
  '[Layer Nav]' 'J=Left Arrow' 'L=Right Arrow' 'I=Up Arrow' 'K=Down Arrow' \
  > "$work/Keydat.qnp"
wine notepad >/dev/null 2>&1 &
pids+=($!)
wine winemine >/dev/null 2>&1 &
pids+=($!)
(cd "$work" && exec wine zorvane.exe >/dev/null 2>&1) &
pid=$!
form=""
for _ in $(seq 300); do
  form=$(xdotool search --onlyvisible --name '^Velmora 3\.96$' 2>/dev/null | head -n1 || true)
  [ -n "$form" ] && break
  sleep 0.2
done
[ -n "$form" ] || { echo "the window did not appear"; exit 1; }
sleep 1
mkdir -p "$root/docs/images"
shoot() {  # file [window]
  eval "$(xdotool getwindowgeometry --shell "${2:-$form}")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/images/$1"
  echo "docs/images/$1 ${WIDTH}x${HEIGHT}"
}
click() {  # a left click where the locator's arguments point
  # shellcheck disable=SC2046
  xdotool mousemove --sync $(cd "$work" && wine zv_locate.exe "$@" | tr -d '\r') click 1
  sleep 1
}
shoot main_window.png
# Row 6 (Ctrl+Shift+V, after the six keys) ticks its boxes, row 0 unticks them: rows of 14
# pixels under a header of 19 at 96 DPI, the locator pointing into the header.
row() {
  read -r x y < <(cd "$work" && wine zv_locate.exe 2101 0.25 | tr -d '\r')
  xdotool mousemove "$x" $((y + 19 + 14 * $1)) click 1 && sleep 1
}
row 6
shoot main_window_shortcut.png
row 0
# The page control's buttons: "Registry Map", "Settings" and "About" after "Keyboard Map".
click 2001 0.31
shoot main_window_registry.png
click 2001 0.48
shoot page_settings.png
click 2001 0.63
shoot page_about.png
# Back on the "Keyboard Map": the Program box's items 1 to 4 are notepad.exe, "Layer: Nav",
# "Add program..." and "Add layer...".
click 2001 0.1
click 2103 0.95
click list 1
xdotool mousemove 0 0
sleep 1
shoot main_window_program.png
click 2103 0.95
click list 2
xdotool mousemove 0 0
sleep 1
shoot main_window_layer.png
click 2103 0.95
click list 3
dialog=$(xdotool search --onlyvisible --name '^Add program$' | head -n1)
shoot add_program.png "$dialog"
