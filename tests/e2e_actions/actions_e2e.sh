#!/usr/bin/env bash
# Actions of the real program started hidden, seen from other programs: a key combination, a key
# sequence whose delay does not hold up other keys, and a pasted text of two lines.
# Arguments: zorvane.exe, the key probe, the text probe.
source "$(dirname "$0")/../e2e/e2e_lib.sh"
TEXT_PROBE=$3

# Q: Ctrl+A (16384 + 65). W: B down, 500 ms, B up. T: two lines of text.
settings '[DisableKey]' 'Index=3' 'KeyCode1=81' 'KeyCode2=87' 'KeyCode3=84' \
  '[SwapKey]' 'Q=KeyCombination1' 'W=KeySequence1' 'T=TypeText1' \
  '[KeyCombination1]' 'Parameter=16449' \
  '[KeySequence1]' 'Parameter=KeyDown B,Delay 500,KeyUp B,' \
  '[TypeText1]' 'Parameter=hello#world'
start_probe
start_zorvane

# Left Ctrl (162) reaches a window as the generic Control key (17) of its key messages.
typed "q" "+#17 +A -A -#17"
# C is typed about 150 ms into the delay: it arrives at once, before the sequence's B up.
typed "key w; key c" "+B +C -C -B"

# The pasted text lands in a text field of another program.
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
xdotool key t
expected=$(printf 'hello\r\nworld')
for _ in $(seq 50); do
  [ "$(cat "$work/text.txt")" = "$expected" ] && break
  sleep 0.1
done
got=$(od -c "$work/text.txt" | head -n 3)
[ "$(cat "$work/text.txt")" = "$expected" ] || fail "pasted text: $got"
echo "ok: t -> two lines pasted"
