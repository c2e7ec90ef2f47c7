#!/usr/bin/env bash
# Ctrl+J mapped to K in the window with real clicks and keys, then used by a hidden start: K comes
# with the held Ctrl lifted around it, J alone stays J. Arguments: zorvane.exe, probe, locator.
source "$(dirname "$0")/e2e_lib.sh"
start_editor "$3"

xdotool key j   # the Original Key box has the focus when the window opens
click 2012      # the "Ctrl" box
change_to k
stored=$(tr -d '\r' < "$work/Keydat.qnp" | tr '\n' ' ')
[[ $stored == *"[SwapShortcut] Ctrl+J=K "* && $stored != *"=74 "* ]] ||
  fail "Ctrl+J=K was not stored as a shortcut alone: $stored"
echo "ok: Ctrl+J=K stored through the window"

kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
start_probe
start_zorvane
typed "keydown ctrl; key j; keyup ctrl" "+#17 -#17 +K -K +#17 -#17"
typed "j" "+J -J"
