#!/usr/bin/env bash
# Sources of every kind, used by one hidden start. Made in the window with real clicks and keys:
# F9 with two roles (tapped F9, held Left Ctrl); Ctrl+J as K, which comes with the held Ctrl
# lifted around it; a layer Nav with J as the left arrow. Written by hand beside them: Space
# held switches Nav on; Ctrl+Q gives Win+E, Ctrl+R starts a program, and Other.exe keeps Ctrl+J
# unchanged. J alone, and Ctrl+Shift+J (an extra modifier), stay as typed. (Caps Lock cannot be
# judged as a key with two roles under Wine: its X11 driver adds a Caps Lock press of its own.)
# Arguments: zorvane.exe, probe, locator.
source "$(dirname "$0")/e2e_lib.sh"
start_editor "$3"

xdotool key F9    # the Original Key box has the focus when the window opens
click 2005 0.95   # the drop-down button of the Changed to box
pick_listed 6     # "TapHold"
xdotool windowfocus --sync "$(wait_window "TapHold")" type "F9"
xdotool key Tab
xdotool type "Left Ctrl"
xdotool key Return
confirm_tip
click 2003 0.3    # cbbOldKey
xdotool key j
click 2012        # the "Ctrl" box
change_to k
stored=$(tr -d '\r' < "$work/Keydat.qnp" | tr '\n' ' ')
[[ $stored == *"F9=TapHold1 "* && $stored == *"Parameter=F9|Left Ctrl|200|press "* &&
  $stored == *"[SwapShortcut] Ctrl+J=K "* && $stored != *"=74 "* ]] ||
  fail "F9=TapHold1, and Ctrl+J=K as a shortcut alone, were not stored: $stored"
echo "ok: F9 with two roles and Ctrl+J=K stored through the window"

click 2103 0.95   # cbbProgram's drop-down: "All programs", "Add program...", "Add layer..."
pick_listed 2
xdotool windowfocus --sync "$(wait_window "Add layer")" type Nav
xdotool key Return
wait_idle
click 2003 0.3    # cbbOldKey
xdotool key j
change_to Left
kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
# Written by hand into the sections the window made (only the first of a name is read); a key
# with two roles needs no entry in the intercepted list.
sed -i -e 's/^\[SwapKey\]\r$/&\nSpaceBar=TapHold2\r/' \
  -e 's/^\[SwapShortcut\]\r$/&\nCtrl+Q=KeyCombination1\r\nctrl + r=Run1\r/' "$work/Keydat.qnp"
cp "$ZV_PROBE" "$work/run probe.exe"
run=$(winepath -w "$work/run probe.exe")
printf '%s\r\n' '[TapHold2]' 'Parameter=SpaceBar|Layer Nav|300|press' '[SwapShortcut Other.exe]' \
  'Ctrl+J=Unchanged' '[KeyCombination1]' 'Parameter=65605' '[Run1]' \
  "Parameter=\"$run\" --started started.txt one" >> "$work/Keydat.qnp"
start_probe Other.exe 400
start_probe Writer.exe 10
start_zorvane
click_probe Writer.exe
typed "F9" "+#120 -#120"
typed "keydown F9; key a; keyup F9" "+#17 +A -A -#17"
# Held past its time: Left Ctrl, repeating with the key as a held Ctrl does (the display's own
# auto-repeat), never the tap.
before=$(wc -l < "$work/$probe_file")
xdotool keydown F9 sleep 0.45 keyup F9 sleep 0.6
got=$(tail -n +"$((before + 1))" "$work/$probe_file" | tr -d '\r' | uniq | tr '\n' ' ')
[ "$got" = "+#17 -#17 " ] || fail "F9 held: expected '+#17 -#17', got '$got'"
echo "ok: F9 held -> $got"
typed "keydown ctrl; key j; keyup ctrl" "+#17 -#17 +K -K +#17 -#17"
typed "keydown space; key j; keyup space" "+#37e -#37e"
typed "j" "+J -J"
typed "keydown ctrl; key q; keyup ctrl" "+#17 -#17 +#91e +E -E -#91e +#17 -#17"
typed "keydown ctrl; keydown shift; key j; keyup shift; keyup ctrl" "+#17 +#16 +J -J -#16 -#17"
click_probe Other.exe
typed "keydown ctrl; key j; keyup ctrl" "+#17 +J -J -#17"

# Last: the started program may take the focus from the probe.
xdotool keydown ctrl key r keyup ctrl
for _ in $(seq 100); do [ -s "$work/started.txt" ] && break; sleep 0.2; done
[ "$(tr -d '\r' < "$work/started.txt" 2>/dev/null)" = "started one" ] ||
  fail "Run: started.txt holds '$(cat "$work/started.txt" 2>/dev/null)'"
echo "ok: ctrl+r -> started one"
