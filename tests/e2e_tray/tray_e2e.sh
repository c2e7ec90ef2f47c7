#!/usr/bin/env bash
# The program in the tray, start to end: the hidden start's icon, tooltip and balloon, the
# autorun entry rewritten quoted, the tray menu and its captions, the keyboard lock, the toggle
# from the tray and from both hotkeys, "Show", minimise and the close button, loading (valid,
# foreign, missing) and saving settings files with the recent list, "Exit", the uninstaller's
# exit request and the end of the session.
source "$(dirname "$0")/../e2e/e2e_lib.sh"
source "$(dirname "$0")/tray_lib.sh"

standin_log=$work/standin.txt
keys() { settings '[DisableKey]' 'Index=1' 'KeyCode1=65' '[SwapKey]' "A=$1" '[Settings]' 'Hotkey=1'; }

keys B
start_tray_tools
start_probe
work_win=$(winpath "$work")
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
wine reg delete 'HKLM\Software\Quillon' /f >/dev/null 2>&1 || true
wine reg add 'HKLM\SOFTWARE\Quillon\RecentFiles' /v 1 /d "$work_win\\gone.qnp" /f >/dev/null 2>&1
wine reg add "$run_key" /v zorvane.exe /d 'C:\Old Place\zorvane.exe -Hide' /f >/dev/null 2>&1

echo "== hidden start"
launch -Hide
wait_for "$standin_log" "add id=1 icon=32x32 tip=Zorvane"
wait_for "$standin_log" "tip=Zorvane: Activated"
wait_for "$standin_log" "info=Zorvane Active!|title=Tips|timeout=10000|flags=1"
wait_for "$standin_log" "info=|title=Tips"  # the balloon is taken away again
visible && fail "the hidden start showed a window"
echo "ok: icon, tooltip and balloon"
[ "$(reg_text "$run_key" zorvane.exe)" = "\"$work_win\\zorvane.exe\" -Hide" ] ||
  fail "autorun entry: $(reg_text "$run_key" zorvane.exe)"
echo "ok: the autorun entry follows the program, quoted"
typed "a" "+B -B"

standin taskbarcreated
wait_more "$standin_log" "add id=1" 1
echo "ok: the icon comes back with a new taskbar"

echo "== tray menu"
open_menu
[ "$(menu_captions)" = "Settings File|Lock Keyboard|-|Show|&Suspend|Exit" ] ||
  fail "menu: $(menu_captions)"
menu_all_owner_drawn || fail "an item is not painted flat"
open_submenu
[ "$(menu_captions)" = "Load Settings File|Save Settings File As|-|GONE.QNP" ] ||
  fail "submenu: $(menu_captions)"
menu_all_owner_drawn || fail "a submenu item is not painted flat"
if [ -n "${ZV_SHOT_DIR:-}" ]; then
  import -window root -crop 340x140+412+292 +repage "$ZV_SHOT_DIR/tray_menu.png"
fi
echo "ok: menu captions, all painted flat"
xdotool key Escape Escape
focus_probe

echo "== keyboard lock"
open_menu
click_item 1
focus_probe
typed "a s" ""
open_menu
[ "$(menu_captions)" = "Settings File|UnLock Keyboard|-|Show|&Suspend|Exit" ] ||
  fail "locked menu: $(menu_captions)"
click_item 1
focus_probe
typed "a s" "+B -B +S -S"

echo "== toggle from the tray"
open_menu
click_item 4
wait_state Suspend
focus_probe
typed "a" "+A -A"
open_menu
[ "$(menu_captions)" = "Settings File|Lock Keyboard|-|Show|&Activate|Exit" ] ||
  fail "suspended menu: $(menu_captions)"
xdotool key Escape
focus_probe

echo "== hotkeys"
suspends=$(count_of "$standin_log" "tip=Zorvane: Suspend")
hotkey alt+2  # the suspension hotkey while suspended changes nothing
sleep 1.5
[ "$(count_of "$standin_log" "tip=Zorvane: Suspend")" = "$suspends" ] || fail "Alt+2 acted"
activations=$(count_of "$standin_log" "tip=Zorvane: Activated")
before=$(wc -l < "$work/probe.txt")
hotkey alt+1
wait_more "$standin_log" "tip=Zorvane: Activated" "$activations"
for _ in $(seq 50); do
  released=$(tail -n +"$((before + 1))" "$work/probe.txt" | tr -d '\r' | grep -E '^-\^?#1[678]$' | tr '\n' ' ' || true)
  [[ $released =~ 17\ -\^?#18 ]] && break
  sleep 0.2
done
[[ $released =~ -\^?#16\ -\^?#17\ -\^?#18 ]] ||
  fail "Shift, Ctrl and Alt were not released in order: '$released' (probe: $(tail -n +"$((before + 1))" "$work/probe.txt" | tr '\n' ' '))"
echo "ok: Alt+1 activates, releasing Shift, Ctrl, Alt ($released)"
typed "a" "+B -B"
hotkey alt+2
wait_state Suspend
typed "a" "+A -A"
echo "ok: Alt+2 suspends"

echo "== show, the button, minimise, close button"
title=Velmora_3.96
open_menu
click_item 3
wait_visible yes
# Centred on the 1280x1024 screen, as a start without -Hide shows it (the X window is the
# client area: the caption makes up the difference upwards).
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Velmora' | head -n 1)")"
dx=$((2 * X + WIDTH - 1280)) dy=$((2 * Y + HEIGHT - 1024))
[ ${dx#-} -le 20 ] && [ ${dy#-} -le 60 ] || fail "shown at $X,$Y (${WIDTH}x$HEIGHT), not centred"
echo "ok: Show, centred"
standin press $title "&Activate"
wait_visible no
wait_state Activated
standin texts $title
[[ $(last_line) == *"Button:&Suspend;"* ]] || fail "the button does not read &Suspend"
echo "ok: the button hides the window, activates and reads &Suspend"
standin double
wait_visible yes
standin press $title "&Suspend"
wait_state Suspend
visible || fail "suspending hid the window"
standin post TMainForm 274 61472 0  # WM_SYSCOMMAND SC_MINIMIZE: the minimise button
wait_visible no
wait_state Activated
echo "ok: minimise hides and activates"
standin left
wait_visible yes
echo "ok: a click on the icon shows the window"
standin press $title "&Suspend"
wait_state Suspend
tips=$(count_of "$standin_log" "info=Zorvane Active!")
standin post TMainForm 274 61536 0  # WM_SYSCOMMAND SC_CLOSE: the close button
wait_visible no
wait_state Activated
wait_more "$standin_log" "info=Zorvane Active!" "$tips"
kill -0 "$zorvane_pid" || fail "the close button ended the program"
echo "ok: the close button hides and activates, with the tip"

echo "== the Settings and About pages"
standin double
wait_visible yes
standin press $title "&Suspend"
wait_state Suspend
standin press $title "Start Velmora when Windows starts"
for _ in $(seq 50); do [ "$(reg_text "$run_key" zorvane.exe)" = none ] && break; sleep 0.2; done
[ "$(reg_text "$run_key" zorvane.exe)" = none ] || fail "unticking kept the autorun entry"
standin press $title "Start Velmora when Windows starts"
for _ in $(seq 50); do [ "$(reg_text "$run_key" zorvane.exe)" != none ] && break; sleep 0.2; done
[ "$(reg_text "$run_key" zorvane.exe)" = "\"$work_win\\zorvane.exe\" -Hide" ] ||
  fail "autorun entry after ticking: $(reg_text "$run_key" zorvane.exe)"
echo "ok: the autorun box deletes and writes the quoted entry"
standin press $title "Use Hotkey  "
sleep 1
activations=$(count_of "$standin_log" "tip=Zorvane: Activated")
hotkey alt+1
sleep 2
[ "$(count_of "$standin_log" "tip=Zorvane: Activated")" = "$activations" ] ||
  fail "Alt+1 acted with Use Hotkey cleared"
standin press $title "Use Hotkey  "
sleep 1
hotkey alt+1
wait_state Activated
standin double
wait_visible yes
echo "ok: Use Hotkey withdraws and registers the hotkeys"
if [ -n "${ZV_SHOT_DIR:-}" ]; then
  wid=$(xdotool search --onlyvisible --name '^Velmora' | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  for page in settings:217 about:284; do
    xdotool mousemove $((X + ${page#*:})) $((Y + 17)) click 1
    sleep 1
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$ZV_SHOT_DIR/page_${page%:*}.png"
  done
fi
standin post TMainForm 274 61536 0
wait_visible no
wait_state Activated
focus_probe

echo "== settings files"
printf '[Settings]\r\nSign=Zorvane\r\n[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=C\r\n' > "$work/mine.qnp"
printf '[Settings]\r\nSign=zorvane\r\n[SwapKey]\r\nA=D\r\n' > "$work/foreign.qnp"
load_via_dialog() {
  open_menu
  open_submenu
  click_item 0
  wait_window Open
  standin settext Open 0 "$1"
  standin press Open "&Open"
}
recent1() { reg_text 'HKLM\SOFTWARE\Quillon\RecentFiles' 1; }
recent1_is() {
  for _ in $(seq 50); do [ "$(recent1)" = "$1" ] && return 0; sleep 0.2; done
  fail "recent 1: $(recent1)"
}
load_via_dialog "$work_win\\mine.qnp"
for _ in $(seq 50); do grep -q 'A=C' "$work/Keydat.qnp" && break; sleep 0.2; done
grep -q 'A=C' "$work/Keydat.qnp" || fail "mine.qnp was not loaded"
recent1_is "$work_win\\mine.qnp"
focus_probe
typed "a" "+C -C"  # the loaded mapping acts at once
echo "ok: a valid file is loaded and remembered"
load_via_dialog "$work_win\\foreign.qnp"
message_box "foreign.qnp is not a Zorvane settings file."
grep -q 'A=C' "$work/Keydat.qnp" || fail "a foreign file was loaded"
recent1_is "$work_win\\foreign.qnp"
echo "ok: a foreign file is refused and remembered"
open_menu
open_submenu
[ "$(menu_captions)" = "Load Settings File|Save Settings File As|-|FOREIGN.QNP|MINE.QNP|GONE.QNP" ] ||
  fail "recent entries: $(menu_captions)"
click_item 5
message_box "Cannot find the settings file $work_win\\gone.qnp."
echo "ok: a recent entry whose file is gone says so"
: > "$work/backup.qnp"  # there already: the name typed without extension is this file's
open_menu
open_submenu
click_item 1
wait_window Save_As
standin settext Save_As 0 "$work_win\\backup"
standin press Save_As "&Save"
wait_window Error  # Wine's caption of the question, for a dialog without a title
standin press Error "&Yes"
for _ in $(seq 50); do cmp -s "$work/backup.qnp" "$work/Keydat.qnp" && break; sleep 0.2; done
cmp -s "$work/backup.qnp" "$work/Keydat.qnp" || fail "backup.qnp is not a copy"
echo "ok: Save As asks before it replaces backup.qnp, then writes it"
focus_probe

echo "== exit"
open_menu
click_item 5
wait_ended
wait_for "$standin_log" "delete id=1"
hotkey_is free
standin hotkey 1 50
[ "$(last_line)" = "hotkey 1 50 free" ] || fail "Alt+2 is still registered"
grep -q 'StartHotKey=32817' "$work/Keydat.qnp" || fail "Exit did not save the Settings page"
echo "ok: Exit removes the icon, withdraws the hotkeys, saves and ends"

# end_with message wParam: a hidden start, then that message to the main window; waits until
# the icon is gone.
end_with() {
  local deletes removals
  deletes=$(count_of "$standin_log" "delete id=1")
  removals=$(count_of "$standin_log" "info=|title=Tips")
  launch -Hide
  wait_more "$standin_log" "info=|title=Tips" "$removals"
  standin post TMainForm "$1" "$2" 0
  wait_more "$standin_log" "delete id=1" "$deletes"
}

echo "== exit request"
end_with 33362 0  # WM_EXITREQUEST
wait_ended
echo "ok: the uninstaller's request ends the program"

echo "== end of session"
end_with 22 1  # WM_ENDSESSION: the session ends
hotkey_is free
echo "ok: the end of the session does what Exit does"
