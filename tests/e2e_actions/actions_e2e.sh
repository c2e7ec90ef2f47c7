#!/usr/bin/env bash
# Actions of the real program started hidden, seen from other programs: key combinations (one
# with Win), a key sequence whose delay does not hold up other keys, a program started with its
# arguments, and pasted texts: two lines, letters beyond ASCII, and a value an older editor saved
# in the ANSI code page (Windows-1252 here).
# Arguments: zorvane.exe, the key probe, the text probe.
source "$(dirname "$0")/../e2e/e2e_lib.sh"
TEXT_PROBE=$3

# Q: Ctrl+A (16384 + 65). G: Win+E (65536 + 69). W: B down, 500 ms, B up. T, Y, U: texts.
# R: the probe, under a path with a blank, started with two arguments.
cp "$ZV_PROBE" "$work/run probe.exe"
settings '[DisableKey]' 'Index=7' 'KeyCode1=81' 'KeyCode2=87' 'KeyCode3=84' 'KeyCode4=89' \
  'KeyCode5=85' 'KeyCode6=71' 'KeyCode7=82' '[SwapKey]' 'Q=KeyCombination1' 'W=KeySequence1' \
  'T=TypeText1' 'Y=TypeText2' 'U=TypeText3' 'G=KeyCombination2' 'R=Run1' \
  '[KeyCombination1]' 'Parameter=16449' '[KeyCombination2]' 'Parameter=65605' \
  '[Run1]' "Parameter=\"$(winepath -w "$work/run probe.exe")\" --started started.txt one two" \
  '[KeySequence1]' 'Parameter=KeyDown B,Delay 500,KeyUp B,' \
  '[TypeText1]' 'Parameter=hello#world' '[TypeText2]' 'Parameter=café €5 Größe' \
  '[TypeText3]' $'Parameter=Gr\xf6\xdfe'
start_probe
start_zorvane

# Left Ctrl (162) reaches a window as the generic Control key (17) of its key messages.
typed "q" "+#17 +A -A -#17"
# C is typed about 150 ms into the delay: it arrives at once, before the sequence's B up.
typed "key w; key c" "+B +C -C -B"
typed "g" "+#91e +E -E -#91e"
# The program starts on the press of R, which is swallowed; held a second, the key's repeats
# start nothing more. Last of the key stories: under Wine, keys typed at the probe window
# afterwards get lost, as the started program took the focus.
typed "keydown r; sleep 1; keyup r" ""
for _ in $(seq 100); do [ -s "$work/started.txt" ] && break; sleep 0.2; done
sleep 1
[ "$(tr -d '\r' < "$work/started.txt" 2>/dev/null)" = "started one two" ] ||
  fail "Run: started.txt holds '$(cat "$work/started.txt" 2>/dev/null)'"
echo "ok: r -> started one two"

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
