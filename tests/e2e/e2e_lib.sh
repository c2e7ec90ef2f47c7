# Sourced by the end-to-end tests. Needs WINEPREFIX and DISPLAY (the Wine session of
# scripts/test.sh). Works in a private folder; starts and ends its processes by process id.
set -euo pipefail

ZV_EXE=$1
ZV_PROBE=$2
work=$(mktemp -d /tmp/zv-e2e.XXXXXX)
pids=()

# The Wine desktop of the test before may still be going away. A program that starts against
# it finds no display driver and gets no window (Wine: "Application tried to create a window,
# but no driver could be loaded"), so wait until that server has ended.
timeout 60 wineserver -w || true

e2e_cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  # What the display showed, for the report: a screenshot and the X windows with their names.
  local name
  name="$(basename "$0" .sh)-failure"
  import -window root "$PWD/$name.png" 2>/dev/null && echo "screenshot: $PWD/$name.png" >&2
  xwininfo -root -tree > "$PWD/$name.txt" 2>&1 || true
  exit 1
}

# The registry channel under the root the program uses (Wine lets it write HKEY_LOCAL_MACHINE).
reg_value() {  # key value -> the REG_DWORD as a decimal number, or "none"
  local out
  out=$(wine reg query "HKLM\\$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v {print $3}')
  if [ -z "$out" ]; then echo none; else echo $((out)); fi
}

# Writes the settings file beside the program; arguments are its lines.
settings() {
  printf '%s\r\n' "$@" > "$work/Keydat.qnp.new"
  mv "$work/Keydat.qnp.new" "$work/Keydat.qnp"
  sleep 0.5  # the folder watch brings the file in within moments: keys typed at once race it
}

# Starts the key probe and gives its window the X input focus. The probe names its own X window
# on its first line (see probe.cpp), so no search of the display by name is needed. A probe
# whose window did not reach the X display (a Wine process that came up without the X driver
# keeps its windows to itself) is ended and started once more.
# start_probe [NAME LEFT]: a copy of the probe named NAME, another program to Zorvane, whose
# window stands LEFT pixels from the screen's edge and records into NAME.txt; see click_probe.
probe_exe=$(basename "$ZV_PROBE")
probe_file=probe.txt
declare -A probe_windows=() probe_files=()
start_probe() {
  cp "$ZV_EXE" "$ZV_PROBE" "$work/"
  local attempt left=${2:-10}
  if [ -n "${1:-}" ]; then
    cp "$ZV_PROBE" "$work/$1"
    probe_exe=$1 probe_file=$1.txt
  fi
  for attempt in 1 2 3; do
    if launch_probe "$left"; then
      probe_windows[$probe_exe]=$probe_window probe_files[$probe_exe]=$probe_file
      return 0
    fi
    echo "probe start $attempt: no X window ($probe_file: $(head -c 200 "$work/$probe_file"))" >&2
  done
  fail "the probe window did not appear ($probe_file: $(head -c 200 "$work/$probe_file"))"
}

launch_probe() {
  : > "$work/$probe_file"
  (cd "$work" && ZV_PROBE_LEFT=$1 exec wine "$probe_exe" "$probe_file") &
  local probe_pid=$! ready="" pid="" wid=""
  pids+=($probe_pid)
  # A busy machine can take a while to start a Wine process; a minute is plenty.
  for _ in $(seq 300); do
    grep -q '^ready' "$work/$probe_file" && break
    kill -0 "$probe_pid" 2>/dev/null || fail "the probe ended at start"
    sleep 0.2
  done
  read -r ready pid wid < <(head -n1 "$work/$probe_file" | tr -d '\r') || true
  if [ "$ready" = ready ] && [ "${wid:-0}" != 0 ] &&
    xdotool getwindowname "$wid" 2>/dev/null | grep -qx "ZvProbe $pid"; then
    # No window manager on the test display: give the probe the X input focus directly. Under
    # Wine, a low-level hook sees keys only while a Wine window has the focus.
    timeout 20 xdotool windowfocus --sync "$wid"
    probe_window=$wid
    return 0
  fi
  kill "$probe_pid" 2>/dev/null || true
  wait "$probe_pid" 2>/dev/null || true
  return 1
}

# click_probe NAME: a click into the window of the probe started as NAME gives it the focus
# (without a window manager only a click moves Wine's focus from one program to another); the
# keys typed from then on go to it.
click_probe() {
  probe_window=${probe_windows[$1]} probe_file=${probe_files[$1]}
  xdotool mousemove --window "$probe_window" 150 100 click 1
  sleep 0.3
}

# Starts zorvane.exe -Hide and waits until it has published its window.
start_zorvane() {
  wine reg delete 'HKLM\Software\Quillon' /f >/dev/null 2>&1 || true
  local attempt
  for attempt in 1 2; do
    (cd "$work" && exec wine "$(basename "$ZV_EXE")" -Hide) &
    zorvane_pid=$!
    pids+=($zorvane_pid)
    for _ in $(seq 300); do
      [ "$(reg_value 'Software\Quillon\Propertiy' Handle)" != none ] && break
      kill -0 "$zorvane_pid" 2>/dev/null || break
      sleep 0.2
    done
    kill -0 "$zorvane_pid" 2>/dev/null && break
    # Without a display driver the main window cannot be made and the program ends at once.
    [ "$attempt" = 1 ] || fail "zorvane.exe ended at start"
    echo "zorvane.exe ended at start; starting it once more" >&2
  done
  [ "$(reg_value 'Software\Quillon\Propertiy' Handle)" != none ] || fail "no Handle published"
  sleep 0.5
}

# typed "keys" "expected lines joined by blanks". keys: xdotool key names ("a s"), or xdotool
# commands separated by ";" ("keydown shift; key a; keyup shift") that run a moment apart, since
# the program's replacement keys queue behind whatever was typed before them.
typed() {
  local keys=$1 expected=$2 before want got
  before=$(wc -l < "$work/$probe_file")
  want=$(echo "$expected" | wc -w)
  timeout 20 xdotool windowfocus --sync "$probe_window"
  if [[ $keys == *";"* ]]; then
    local IFS=';' command
    for command in $keys; do
      IFS=' ' read -r -a words <<< "$command"
      xdotool "${words[@]}"
      sleep 0.15
    done
  else
    # shellcheck disable=SC2086
    xdotool key --delay 80 $keys
  fi
  for _ in $(seq 50); do
    [ $(( $(wc -l < "$work/$probe_file") - before )) -ge "$want" ] && break
    sleep 0.1
  done
  sleep 0.4  # anything extra would arrive by now
  got=$(tail -n +"$((before + 1))" "$work/$probe_file" | tr -d '\r' | tr '\n' ' ' | sed 's/ $//')
  if [ "$got" != "$expected" ]; then
    fail "keys '$keys': expected '$expected', got '$got'"
  fi
  echo "ok: $keys -> $got"
}

# wait_window TITLE: the id of the shown X window with exactly that title, once it is there.
wait_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || fail "no window \"$1\""
  echo "$id"
}

# start_editor LOCATOR: starts zorvane.exe without a switch and waits until its window (form) is
# shown and has the focus. The locator (zv_locate.exe) finds controls for click.
start_editor() {
  ZV_LOCATE=$1
  cp "$ZV_LOCATE" "$ZV_EXE" "$work/"
  wine reg delete 'HKLM\Software\Quillon' /f >/dev/null 2>&1 || true
  (cd "$work" && exec wine "$(basename "$ZV_EXE")") &
  editor_pid=$!
  pids+=($editor_pid)
  form=""
  for _ in $(seq 300); do
    form=$(xdotool search --onlyvisible --name '^Velmora 3\.96$' 2>/dev/null | head -n1 || true)
    [ -n "$form" ] && break
    kill -0 "$editor_pid" 2>/dev/null || fail "zorvane.exe ended at start"
    sleep 0.2
  done
  [ -n "$form" ] || fail "the window \"Velmora 3.96\" did not appear"
  xdotool windowfocus --sync "$form"
  echo "ok: the window is shown"
}

locate() {  # the locator's answer for its arguments (see locate.cpp)
  (cd "$work" && wine "$(basename "$ZV_LOCATE")" "$@" | tr -d '\r') || true
}

# click ARGS: a left click at the point the locator gives; pick_listed ITEM: a click on that item
# of the open drop-down list, once it is open.
click() {
  local at
  at=$(locate "$@")
  [ -n "$at" ] || fail "locator: nothing at '$*'"
  # shellcheck disable=SC2086
  xdotool mousemove --sync $at click 1
  sleep 0.3
}
pick_listed() {
  for _ in $(seq 25); do
    [ -n "$(locate list "$1")" ] && break
    sleep 0.2
  done
  click list "$1"
}

# wait_idle: until the program's window thread takes messages again. Without a window manager,
# Wine makes it wait a while for each window it hides (a closed dialog, the window going to the
# tray); the keyboard hook and the other windows get nothing meanwhile.
wait_idle() {
  locate idle >/dev/null
}

# confirm_tip: Enter on the tip that follows a change, and the tip gone.
confirm_tip() {
  local tip
  tip=$(wait_window Velmora)
  xdotool windowfocus --sync "$tip" key Return
  wait_idle
}

# change_to KEY: KEY pressed in the Changed to box, "&Change" clicked and its tip confirmed.
change_to() {
  click 2005 0.3  # cbbNewKey
  xdotool key "$1"
  click 2007      # BitBtn8 "&Change"
  confirm_tip
}

# pasted KEY TEXT: after typing KEY, the text probe's field (tests/e2e_actions/text_probe.cpp,
# saved as UTF-8 to $work/text.txt) holds TEXT (printf escapes).
pasted() {
  local expected
  expected=$(printf "$2")
  xdotool key "$1"
  for _ in $(seq 50); do
    [ "$(cat "$work/text.txt")" = "$expected" ] && break
    sleep 0.1
  done
  [ "$(cat "$work/text.txt")" = "$expected" ] ||
    fail "keys '$1': pasted text $(od -c "$work/text.txt" | head -n 3)"
  echo "ok: $1 -> $(tr "\r\n" "  " < "$work/text.txt")"
}
