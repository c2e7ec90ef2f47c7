#!/usr/bin/env bash
# Actions of the real program started hidden, seen from other programs: a key combination, a key
# sequence whose delay does not hold up other keys, and pasted texts: two lines, letters beyond
# ASCII, and a value an older editor saved in the ANSI code page (Windows-1252 here).
# Arguments: zorvane.exe, the key probe, the text probe.
source "$(dirname "$0")/../e2e/e2e_lib.sh"
TEXT_PROBE=$3

# Q: Ctrl+A (16384 + 65). W: B down, 500 ms, B up. T, Y, U: texts.
settings '[DisableKey]' 'Index=5' 'KeyCode1=81' 'KeyCode2=87' 'KeyCode3=84' 'KeyCode4=89' \
  'KeyCode5=85' '[SwapKey]' 'Q=KeyCombination1' 'W=KeySequence1' 'T=TypeText1' 'Y=TypeText2' \
  'U=TypeText3' '[KeyCombination1]' 'Parameter=16449' \
  '[KeySequence1]' 'Parameter=KeyDown B,Delay 500,KeyUp B,' \
  '[TypeText1]' 'Parameter=hello#world' '[TypeText2]' 'Parameter=café €5 Größe' \
  '[TypeText3]' $'Parameter=Gr\xf6\xdfe'
start_probe
start_zorvane

# Left Ctrl (162) reaches a window as the generic Control key (17) of its key messages.
typed "q" "+#17 +A -A -#17"
# C is typed about 150 ms into the delay: it arrives at once, before the sequence's B up.
typed "key w; key c" "+B +C -C -B"

# The pasted texts land in a Unicode text field of another program.
cp "$TEXT_PROBE" "$work/"
(cd "$work" && exec wine "$(basename "$TEXT_PROBE")" text.txt) &
pids+=($!)
wid=""
for _ in $(seq 300); do
  wid=$(xdotool search --name '^ZvTextProbe$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && [ -e "$work/text.txt" ] && break
  sleep 0.2
done
[ -n "$wid" ] || fail "the text probe did not appear"
xdotool windowfocus --sync "$wid"
sleep 0.3
pasted t 'hello\r\nworld'
pasted y 'hello\r\nworldcafé €5 Größe'
pasted u 'hello\r\nworldcafé €5 GrößeGröße'
