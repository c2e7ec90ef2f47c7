#!/usr/bin/env bash
# A layer made in the window with real clicks and keys (Nav, J as the left arrow in it), switched
# on by Space held (its TapHold mapping written by hand), used by a hidden start.
source "$(dirname "$0")/e2e_lib.sh"
start_editor "$3"
xdotool key j   # the Original Key box has the focus when the window opens
click 2103 0.95  # cbbProgram's drop-down: "All programs", "Add program...", "Add layer..."
pick_listed 2
xdotool windowfocus --sync "$(wait_window "Add layer")" type Nav
xdotool key Return
wait_idle
change_to Left
kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
sed -i 's/^Index=0\r$/Index=1\r\nKeyCode1=32\r/' "$work/Keydat.qnp"
printf '%s\r\n' '[SwapKey]' 'SpaceBar=TapHold1' '[TapHold1]' \
  'Parameter=SpaceBar|Layer Nav|300|press' >> "$work/Keydat.qnp"
start_probe
start_zorvane
typed "keydown space; key j; keyup space" "+#37e -#37e"
typed "j" "+J -J"
