#!/usr/bin/env bash
# The real program started hidden remaps keys typed into another program: a key to another,
# a swapped pair, a disabled key, an unmapped key, Shift held; an edit of the settings file
# applies at the next key; an arrow key as a target arrives as the arrow key; "TempCode" is 0
# afterwards.
source "$(dirname "$0")/e2e_lib.sh"

# Written by hand: section names match in any letter case.
settings '[DisableKey]' 'Index=4' 'KeyCode1=65' 'KeyCode2=83' 'KeyCode3=68' 'KeyCode4=70' \
  '[swapkey]' 'A=B' 'S=D' 'D=S' 'F=DisableKey'
start_probe
start_zorvane
[ -z "$(xdotool search --onlyvisible --name Velmora 2>/dev/null || true)" ] ||
  fail "the hidden start showed a window"

typed "a" "+B -B"
typed "s d" "+D -D +S -S"
typed "f" "+#0 -#0"
typed "c" "+C -C"
typed "keydown shift; key a; keyup shift" "+#16 +B -B -#16"

settings '[DisableKey]' 'Index=1' 'KeyCode1=65' '[SwapKey]' 'A=C'
typed "a" "+C -C"
typed "s" "+S -S"

# The arrow carries the extended-key flag ("e") that tells it from the number pad's 8, whose
# scan code it shares; the number pad's key comes without it.
settings '[DisableKey]' 'Index=2' 'KeyCode1=65' 'KeyCode2=66' '[SwapKey]' 'A=Up Arrow' 'B=Num 8'
typed "a b" "+#38e -#38e +#104 -#104"

[ "$(reg_value 'Software\Quillon\DisableKey' TempCode)" = 0 ] || fail "TempCode is not 0"
echo "ok: TempCode 0"
