#!/usr/bin/env bash
# A mapping made in the real program's window, with real clicks and keys: the program started
# without a switch, "A" pressed in the Original Key box (focused at the start), "B" in the Changed to box, "&Change"
# clicked and the tip confirmed. Then the program is ended, started hidden, and it types B for
# A in another program. Arguments: zorvane.exe, the probe, the control locator.
source "$(dirname "$0")/e2e_lib.sh"
start_editor "$3"

xdotool key a   # the Original Key box has the focus when the window opens
click 2005 0.3  # cbbNewKey
xdotool key b
click 2007      # BitBtn8 "&Change"
confirm_tip
grep -q '^A=B' "$work/Keydat.qnp" || fail "A=B was not stored: $(tr '\r\n' '  ' < "$work/Keydat.qnp")"
echo "ok: A=B stored through the window"

# "TypeText" picked with the mouse from the open list of the Changed to box: its dialog opens
# once the list has closed, and the mapping is stored without "&Change".
click 2003 0.3  # cbbOldKey
xdotool key F1
click 2005 0.95  # the drop-down button of cbbNewKey
pick_listed 1  # "TypeText"
dialog=$(wait_window "Enter simple text")
xdotool windowfocus --sync "$dialog" type "hi"
xdotool key Tab Return
confirm_tip
sleep 0.5
# The pick ran once: no second dialog follows the tip.
[ -z "$(xdotool search --onlyvisible --name '^Enter simple text$')" ] || fail "the pick ran twice"
grep -q '^F1=TypeText1' "$work/Keydat.qnp" && grep -q '^TypeTextCount=1' "$work/Keydat.qnp" &&
  grep -q '^Parameter=hi' "$work/Keydat.qnp" ||
  fail "F1=TypeText1 was not stored: $(tr '\r\n' '  ' < "$work/Keydat.qnp")"
echo "ok: TypeText picked from the list stored F1=TypeText1"

# Alt+letters typed into the "Activate:" field are its value (HOTKEYF_ALT, 4, above "A"), and
# press no button: "Reset A&ll" would ask, "&Activate" hide the window.
click 2001 0.6  # the "Settings" tab
click 2303      # "Use Hotkey" enables the fields
click 2306      # "Activate:"
xdotool key alt+l alt+c alt+a
sleep 0.5
value=$(locate hotkey 2306)
[ "$value" = $((4 << 8 | 65)) ] && xdotool search --onlyvisible --name '^Velmora 3\.96$' >/dev/null ||
  fail "Alt+letters pressed buttons; the Activate field holds $value"
echo "ok: Alt+L, Alt+C and Alt+A are the field's value only"

kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
start_probe
start_zorvane
typed "a" "+B -B"
typed "c" "+C -C"
