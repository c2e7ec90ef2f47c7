#!/usr/bin/env bash
# Keys with two roles in the real program started hidden: Tab is Tab tapped and Left Ctrl held
# (decided as soon as another key goes down, or once its time has passed), Space held switches
# a layer in which J is the left arrow. (Caps Lock cannot be judged under Wine: its X11 driver
# adds a Caps Lock press of its own.)
source "$(dirname "$0")/e2e_lib.sh"

settings '[DisableKey]' 'Index=2' 'KeyCode1=9' 'KeyCode2=32' '[SwapKey]' 'Tab=TapHold1' \
  'SpaceBar=TapHold2' '[TapHold1]' 'Parameter=Tab|Left Ctrl|300|press' \
  '[TapHold2]' 'Parameter=SpaceBar|Layer Nav|300|press' '[Layer Nav]' 'J=Left Arrow'
start_probe
start_zorvane

typed "Tab" "+#9 -#9"
typed "keydown Tab; key a; keyup Tab" "+#17 +A -A -#17"
# Held past its time: Left Ctrl, repeating with the key as a held Ctrl does (the display's own
# auto-repeat), never the tap.
before=$(wc -l < "$work/$probe_file")
xdotool keydown Tab sleep 0.45 keyup Tab sleep 0.6
got=$(tail -n +"$((before + 1))" "$work/$probe_file" | tr -d '\r' | uniq | tr '\n' ' ')
[ "$got" = "+#17 -#17 " ] || fail "Tab held: expected '+#17 -#17', got '$got'"
echo "ok: Tab held -> $got"
typed "keydown space; key j; keyup space" "+#37e -#37e"
typed "space" "+#32 -#32"
