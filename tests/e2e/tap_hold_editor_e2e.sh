#!/usr/bin/env bash
# F9 given two roles in the window with real clicks and keys (F9 tapped, Left Ctrl held), then
# used by a hidden start: a tap, a hold decided by another key going down, a hold past the
# time. (Caps Lock cannot be judged under Wine: its X11 driver adds a Caps Lock press of its
# own.) Arguments: zorvane.exe, probe, locator.
source "$(dirname "$0")/e2e_lib.sh"
start_editor "$3"

xdotool key F9    # the Original Key box has the focus when the window opens
click 2005 0.95   # the drop-down button of the Changed to box
pick_listed 6     # "TapHold"
dialog=$(wait_window "TapHold")
xdotool windowfocus --sync "$dialog" type "F9"
xdotool key Tab
xdotool type "Left Ctrl"
xdotool key Return
confirm_tip
stored=$(tr -d '\r' < "$work/Keydat.qnp" | tr '\n' ' ')
[[ $stored == *"F9=TapHold1 "* && $stored == *"Parameter=F9|Left Ctrl|200|press "* ]] ||
  fail "F9=TapHold1 was not stored: $stored"
echo "ok: F9 with two roles stored through the window"

kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
start_probe
start_zorvane
typed "F9" "+#120 -#120"
typed "keydown F9; key a; keyup F9" "+#17 +A -A -#17"
# Held past its time: Left Ctrl, repeating with the key as a held Ctrl does (the display's own
# auto-repeat), never the tap.
before=$(wc -l < "$work/$probe_file")
xdotool keydown F9 sleep 0.45 keyup F9 sleep 0.6
got=$(tail -n +"$((before + 1))" "$work/$probe_file" | tr -d '\r' | uniq | tr '\n' ' ')
[ "$got" = "+#17 -#17 " ] || fail "F9 held: expected '+#17 -#17', got '$got'"
echo "ok: F9 held -> $got"
