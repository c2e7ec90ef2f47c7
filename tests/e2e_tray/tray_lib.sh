# Sourced by the tray's end-to-end tests, after tests/e2e/e2e_lib.sh: the stand-in notification
# area, the menu spy, and the program started and driven through them.
ZV_STANDIN=$3
ZV_SPY=$4
ZV_SPY_DLL=$5

winpath() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# wait_for file text [seconds]: until a line of file contains text (fixed string).
wait_for() {
  local file=$1 text=$2 limit=${3:-60}
  for _ in $(seq $((limit * 5))); do
    grep -qF -- "$text" "$file" 2>/dev/null && return 0
    sleep 0.2
  done
  fail "waited in vain for '$text' in $(basename "$file"): $(tail -n 5 "$file" 2>/dev/null | tr '\n' '|')"
}

# The stand-in's last log line (the Windows program writes CR LF).
last_line() { tail -n 1 "$work/standin.txt" | tr -d '\r'; }

# count_of file text: how many lines hold text.
count_of() { grep -cF -- "$2" "$1" 2>/dev/null || true; }

# wait_more file text n: until more than n lines of file hold text.
wait_more() {
  local file=$1 text=$2 n=$3
  for _ in $(seq 300); do
    [ "$(count_of "$file" "$text")" -gt "$n" ] && return 0
    sleep 0.2
  done
  fail "waited in vain for another '$text' in $(basename "$file")"
}

# The stand-in for the shell's notification area, then the menu spy.
start_tray_tools() {
  cp "$ZV_STANDIN" "$ZV_SPY" "$ZV_SPY_DLL" "$work/"
  : > "$work/standin.txt"
  : > "$work/cmd.txt"
  (cd "$work" && exec wine "$(basename "$ZV_STANDIN")" standin.txt cmd.txt) &
  pids+=($!)
  wait_for "$work/standin.txt" ready
  (cd "$work" && exec wine "$(basename "$ZV_SPY")") &
  pids+=($!)
}

# standin line: a command for the stand-in (see tray_standin.cpp); waits until it has run.
standin() {
  local before
  before=$(wc -l < "$work/standin.txt")
  echo "$*" >> "$work/cmd.txt"
  for _ in $(seq 100); do
    [ "$(wc -l < "$work/standin.txt")" -gt "$before" ] && return 0
    case $1 in left | double | right | taskbarcreated) sleep 0.3; return 0 ;; esac
    sleep 0.1
  done
}

# launch [args]: zorvane.exe from the work folder; its pid is zorvane_pid.
launch() {
  (cd "$work" && exec wine "$(basename "$ZV_EXE")" "$@") &
  zorvane_pid=$!
  pids+=($zorvane_pid)
}

# The program has ended by itself.
wait_ended() {
  for _ in $(seq 150); do
    kill -0 "$zorvane_pid" 2>/dev/null || return 0
    sleep 0.2
  done
  fail "zorvane.exe did not end"
}

# wait_state Activated|Suspend: until the icon's last tooltip is "Zorvane: <state>".
wait_state() {
  local last=""
  for _ in $(seq 150); do
    last=$(grep -o 'tip=Zorvane: [A-Za-z]*' "$work/standin.txt" | tail -n 1 || true)
    [ "$last" = "tip=Zorvane: $1" ] && return 0
    sleep 0.2
  done
  fail "the tooltip is '$last', not 'Zorvane: $1'"
}

# hotkey_is free|taken: asks the stand-in until Alt+1 is that.
hotkey_is() {
  for _ in $(seq 30); do
    standin hotkey 1 49
    [ "$(last_line)" = "hotkey 1 49 $1" ] && return 0
    sleep 0.3
  done
  fail "Alt+1 is not $1: $(tail -n 6 "$work/standin.txt" | tr '\n' '|')"
}
visible() { [ -n "$(xdotool search --onlyvisible --name '^Velmora' 2>/dev/null || true)" ]; }

wait_visible() {  # wait_visible yes|no
  for _ in $(seq 100); do
    if visible; then [ "$1" = yes ] && return 0; else [ "$1" = no ] && return 0; fi
    sleep 0.2
  done
  fail "the main window's visibility is not '$1'"
}

# Gives Wine's foreground and the X focus back to the probe window (a menu or a hidden window
# took them).
focus_probe() {
  xdotool mousemove 150 100 click 1
  sleep 0.5
  xdotool windowfocus --sync "$probe_window"
}

# hotkey keys: pressed in the probe window, which must have the focus at that moment.
# A click first: an Alt pressed and released alone (a hotkey's key-down goes to the hotkey) can
# leave the window in menu mode, which would take the next keys.
hotkey() {
  focus_probe
  xdotool key "$1"
}

# open_menu: a right click on the icon; the spy reports the menu's items and places.
open_menu() {
  : > "$work/menu_spy.txt"
  xdotool mousemove 420 300
  standin right
  wait_for "$work/menu_spy.txt" placed
}

# Captions of the last menu the spy saw, joined by "|" ("-" for a separator).
menu_captions() {
  awk '/^menu /{items=""} /^item /{sub(/^item [0-9]+ /,""); sub(/ \[.*$/,""); items=items (items==""?"":"|") $0} END{print items}' "$work/menu_spy.txt"
}

# menu_kinds: "owner" for each item the spy saw as owner-drawn in the last menu.
menu_all_owner_drawn() {
  awk '/^menu /{bad=0} /^item / && !/\[owner\]/{bad=1} END{exit bad}' "$work/menu_spy.txt"
}

# The place of item n of the last menu placed.
item_place() {
  awk -v n="$1" '/^rect /{if ($2==n) p=$3" "$4} /^placed/{last=p} END{print last}' "$work/menu_spy.txt"
}

# click_item n: clicks item n of the menu on screen.
click_item() {
  local place
  place=$(item_place "$1")
  [ -n "$place" ] || fail "no place for menu item $1"
  # shellcheck disable=SC2086
  xdotool mousemove $place
  sleep 0.3
  xdotool click 1
  sleep 0.5
}

# open_submenu: hovers "Settings File" until its submenu is reported.
open_submenu() {
  local place
  place=$(item_place 0)
  : > "$work/menu_spy.txt"
  # shellcheck disable=SC2086
  xdotool mousemove $place
  wait_for "$work/menu_spy.txt" placed
}

# wait_window title: until a window of that title (the stand-in's spelling) is there; its
# controls' texts are then the stand-in log's last line.
wait_window() {
  for _ in $(seq 50); do
    standin texts "$1"
    [[ $(last_line) != *"no window"* ]] && return 0
    sleep 0.3
  done
  fail "no window '$1'"
}

# A message box of the program: its texts, then OK pressed.
message_box() {
  local want=$1 texts
  wait_window Zorvane
  texts=$(last_line)
  [[ $texts == *"$want"* ]] || fail "message box: expected '$want', got '$texts'"
  standin press Zorvane OK
  echo "ok: message '$want'"
}

# The registry value's text ("none" when absent).
reg_text() {
  local out
  out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v {$1=""; $2=""; sub(/^  /,""); print}')
  if [ -z "$out" ]; then echo none; else echo "$out"; fi
}
