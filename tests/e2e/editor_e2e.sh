#!/usr/bin/env bash
# A mapping made in the real program's window, with real clicks and keys: the program started
# without a switch, "A" pressed in the Original Key box (focused at the start), "B" in the
# Changed to box, "&Change" clicked and the tip confirmed; the boxes' lists and the row of
# buttons as the mouse meets them. Then the program is ended, started hidden, and it types B for
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

# Opening and closing a box's list leaves the name the box shows, on both mapping pages: the
# box's own search takes the first item that begins with it ("BackSpace" for the browser key
# "Back", "Back" for "B"). Esc with the list open closes it; with the list closed it is a key.
declare -A button=([2003]=$(locate 2003 0.95) [2005]=$(locate 2005 0.95))
for tab in 0.1 0.31; do  # "Keyboard Map", "Registry Map"
  click 2001 $tab
  for box_key_name in 2003:XF86Back:Back 2005:b:B; do
    IFS=: read -r box key name <<< "$box_key_name"
    # Open and close the list (the box has the focus), press the key, open and close the list.
    # shellcheck disable=SC2086
    xdotool mousemove --sync ${button[$box]} click 1 sleep 0.3 click 1 sleep 0.3 key "$key" \
      sleep 0.3 click 1 sleep 0.3 click 1 sleep 0.3
    [ "$(locate text $box)" = "$name" ] || fail "the list of $box turned $name into $(locate text $box)"
    xdotool click 1 sleep 0.3 key Escape sleep 0.3
    [ -z "$(locate list 0)" ] && [ "$(locate text $box)" = "$name" ] || fail "Esc in the list of $box"
    xdotool key Escape sleep 0.3
    [ "$(locate text $box)" = Esc ] || fail "Esc in $box with its list closed: $(locate text $box)"
  done
done
echo "ok: opening and closing the lists keeps Back and B; Esc closes an open list"

# Alt+letters typed into the "Activate:" field are its value (HOTKEYF_ALT, 4, above "A"), and
# press no button: "Reset A&ll" would ask, "&Activate" hide the window.
# The row of buttons acts on the mapping lists only: "About" and "Settings" do not show it.
for tab in 0.63 0.48; do  # "About", "Settings"
  click 2001 $tab
  for button in 2007 2008 2009 2010; do
    [ -z "$(locate $button)" ] || fail "button $button is shown on the tab at $tab"
  done
done
echo "ok: no Change, Reset Key, Reset All or Activate on About and Settings"
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
