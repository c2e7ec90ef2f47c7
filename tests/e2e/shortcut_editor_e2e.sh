#!/usr/bin/env bash
# A shortcut mapping made in the real program's window with real clicks and keys: J in the
# Original Key box with the "Ctrl" box ticked, K in the Changed to box, "&Change". Then a hidden
# start uses it: Ctrl+J gives K with the held Ctrl lifted around it, J alone stays J. Arguments:
# zorvane.exe, the probe, the locator.
source "$(dirname "$0")/e2e_lib.sh"
start_editor "$3"

xdotool key j   # the Original Key box has the focus when the window opens
click 2012      # the "Ctrl" box
change_to k
stored=$(stored_text)
[[ $stored == *"[SwapShortcut] Ctrl+J=K "* && $stored != *"=74 "* ]] ||
  fail "Ctrl+J=K was not stored as a shortcut alone: $stored"
echo "ok: Ctrl+J=K stored through the window"

kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
start_probe
start_zorvane
typed "keydown ctrl; key j; keyup ctrl" "+#17 -#17 +K -K +#17 -#17"
typed "j" "+J -J"
