#!/usr/bin/env bash
# A mapping for one program, made in the real program's window with real clicks and keys: two
# probes under two file names are two programs; "Add program..." in the Program box offers the
# open ones, A is mapped to B for the second only, the engine is activated, and A typed into
# each probe gives B in the second and A in the first, the focus changed by clicks.
# Arguments: zorvane.exe, the probe, the control locator.
source "$(dirname "$0")/e2e_lib.sh"

start_probe zv_probe.exe probe.txt
first_window=$probe_window first_file=$probe_file
start_probe zv_other.exe other.txt
other_window=$probe_window other_file=$probe_file
start_editor "$3"

click 2103 0.95  # the drop-down button of cbbProgram: "All programs", "Add program..."
pick_listed 1
dialog=$(wait_window "Add program")
click item zv_other.exe
xdotool windowfocus --sync "$dialog" key Return
wait_gone "$dialog"
click 2003 0.3  # cbbOldKey
xdotool key a
click 2005 0.3  # cbbNewKey
xdotool key b
click 2007      # BitBtn8 "&Change"
confirm_tip
settings_text=$(tr -d '\r' < "$work/Keydat.qnp" | tr '\n' ' ')
[[ $settings_text == *"[SwapKey zv_other.exe] A=B "* && $settings_text != *"[SwapKey] A"* ]] ||
  fail "A=B was not stored for zv_other.exe: $settings_text"
echo "ok: A=B stored for zv_other.exe through the window"
click 2010      # BitBtn3 "&Activate": the window goes to the tray
sleep 1

# A click moves the focus to a probe; typed then types into it.
focus_probe() {
  probe_window=$1 probe_file=$2
  xdotool mousemove --window "$probe_window" 60 60 click 1
  sleep 0.5
}
focus_probe "$other_window" "$other_file"
typed "a" "+B -B"
focus_probe "$first_window" "$first_file"
typed "a" "+A -A"
focus_probe "$other_window" "$other_file"
typed "a c" "+B -B +C -C"
