#!/usr/bin/env bash
# Shortcuts as sources in the real program started hidden: a shortcut to a key (the user's Ctrl
# lifted for it and pressed again after), to a key combination with Win, one left alone for an
# extra modifier, one that a program keeps unchanged, and one that starts a program.
source "$(dirname "$0")/e2e_lib.sh"

cp "$ZV_PROBE" "$work/run probe.exe"
settings '[DisableKey]' 'Index=1' 'KeyCode1=70' '[SwapKey]' 'F=G' \
  '[SwapShortcut]' 'Ctrl+J=K' 'Ctrl+Q=KeyCombination1' 'ctrl + r=Run1' \
  '[SwapShortcut Other.exe]' 'Ctrl+J=Unchanged' '[KeyCombination1]' 'Parameter=65605' \
  '[Run1]' "Parameter=\"$(winepath -w "$work/run probe.exe")\" --started started.txt one"
start_probe Other.exe 400
start_probe Writer.exe 10
start_zorvane

click_probe Writer.exe
typed "keydown ctrl; key j; keyup ctrl" "+#17 -#17 +K -K +#17 -#17"
typed "keydown ctrl; key q; keyup ctrl" "+#17 -#17 +#91e +E -E -#91e +#17 -#17"
typed "keydown ctrl; keydown shift; key j; keyup shift; keyup ctrl" "+#17 +#16 +J -J -#16 -#17"
click_probe Other.exe
typed "keydown ctrl; key j; keyup ctrl" "+#17 +J -J -#17"

# Last: the started program may take the focus from the probe.
xdotool keydown ctrl key r keyup ctrl
for _ in $(seq 100); do
  [ -s "$work/started.txt" ] && break
  sleep 0.2
done
[ "$(tr -d '\r' < "$work/started.txt" 2>/dev/null)" = "started one" ] ||
  fail "Run: started.txt holds '$(cat "$work/started.txt" 2>/dev/null)'"
echo "ok: ctrl+r -> started one"
