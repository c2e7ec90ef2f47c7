#!/usr/bin/env bash
# Mappings for one program, in the real program started hidden: two programs (copies of the
# probe under other names) each get their own mapping of the same key, a program switched off
# gets every key as typed, a click into the other window is followed at the very next key, and a
# hand-written section applies at the next key; a key pressed in one program and released in
# another that maps it gives the release of its press.
source "$(dirname "$0")/e2e_lib.sh"

settings '[DisableKey]' 'Index=3' 'KeyCode1=65' 'KeyCode2=83' 'KeyCode3=68' '[SwapKey]' 'A=B' \
  'S=D' '[SwapKey writer.exe]' 'A=C' 'D=Left Shift' '[SwapKey Game.exe]' 'S=F' '[Programs]' \
  'game.exe=Off'
start_probe Writer.exe 10
start_probe Game.exe 400
start_zorvane

click_probe Writer.exe
typed "a s" "+C -C +D -D"
click_probe Game.exe
typed "a s" "+A -A +S -S"
click_probe Writer.exe
typed "a" "+C -C"

# D goes down in the game (off) with the user's Shift, and comes up in the writer (D is Shift
# there): its release goes on as it came, and no Shift release is made up before the user's.
click_probe Game.exe
xdotool keydown shift
sleep 0.15
xdotool keydown d
click_probe Writer.exe
typed "keyup d; keyup shift" "-D -#16"

settings '[DisableKey]' 'Index=2' 'KeyCode1=65' 'KeyCode2=83' '[SwapKey]' 'A=B' \
  '[SwapKey Game.exe]' 'S=F'
typed "a s" "+B -B +S -S"
click_probe Game.exe
typed "a s" "+B -B +F -F"
