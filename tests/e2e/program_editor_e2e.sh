#!/usr/bin/env bash
# A mapping for one program, made in the real program's window with real clicks and keys: two
# copies of the probe under two names are two programs; "Add program..." in the Program box
# offers the open ones, A is mapped to B for one of them, the engine is activated, and A typed
# into each gives B in that program only. Arguments: zorvane.exe, the probe, the locator.
source "$(dirname "$0")/e2e_lib.sh"

start_probe Writer.exe 10
start_probe Other.exe 400
start_editor "$3"

click 2103 0.95  # the drop-down button of cbbProgram: "All programs", "Add program..."
pick_listed 1
# The dialog's list, sorted, has the focus: "o" selects Other.exe.
xdotool windowfocus --sync "$(wait_window "Add program")" key o Return
wait_idle
click 2003 0.3  # cbbOldKey
xdotool key a
change_to b
stored=$(tr -d '\r' < "$work/Keydat.qnp" | tr '\n' ' ')
[[ $stored == *"[SwapKey Other.exe] A=B "* && $stored != *"[SwapKey] A"* ]] ||
  fail "A=B was not stored for Other.exe: $stored"
echo "ok: A=B stored for Other.exe through the window"
click 2010      # BitBtn3 "&Activate": the window goes to the tray
wait_idle

click_probe Other.exe
typed "a" "+B -B"
click_probe Writer.exe
typed "a" "+A -A"
click_probe Other.exe
typed "a c" "+B -B +C -C"
