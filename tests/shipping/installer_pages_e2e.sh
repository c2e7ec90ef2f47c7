#!/usr/bin/env bash
# The installer's pages as a user clicks through them: Next on the welcome, licence and folder
# pages, the "Start Zorvane when Windows starts" box ticked on its page, Install, and Finish
# with "Start Zorvane now" left ticked. The autorun value is written and the program's window
# opens; the silent uninstall then ends the shown program too.
# Usage: installer_pages_e2e.sh zorvane-setup.exe zorvane.exe zv_probe.exe
setup=$1
source "$(dirname "$0")/../e2e/e2e_lib.sh" "$2" "$3"
source "$(dirname "$0")/shipping_lib.sh"

rm -rf "$dir"
(cd "$work" && exec wine "$setup") &
pids+=($!)
wid=$(wait_window 'Zorvane Setup')
press() {  # key: into the installer's window
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  xdotool key "$1"
  sleep 1.5
}
press Return  # welcome
press Return  # licence: "I Agree"
press Return  # folder
# The box is the first control of the page, just below the header.
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 30)) $((Y + 83)) click 1
sleep 0.5
press Return  # Install
for _ in $(seq 150); do
  [ -n "$(reg_sz "$run_key" zorvane.exe)" ] && break
  sleep 0.2
done
[ "$(reg_sz "$run_key" zorvane.exe)" = "\"$dir_win\\zorvane.exe\" -Hide" ] ||
  fail "the ticked box wrote '$(reg_sz "$run_key" zorvane.exe)'"
echo "ok: the autorun page wrote the autorun value"
sleep 2
press Return  # Finish, with "Start Zorvane now"
main=$(wait_window 'Velmora 3\.96')
echo "ok: Finish started the program (window $main)"

wine "$dir/uninstall.exe" /S
for _ in $(seq 150); do
  [ -z "$(xdotool search --name '^Velmora' 2>/dev/null || true)" ] && [ ! -e "$dir/zorvane.exe" ] &&
    break
  sleep 0.2
done
[ -z "$(xdotool search --name '^Velmora' 2>/dev/null || true)" ] || fail "the program still runs"
[ ! -e "$dir/zorvane.exe" ] || fail "the program was not removed"
[ -z "$(reg_sz "$run_key" zorvane.exe)" ] || fail "the autorun value was left"
echo "ok: uninstalled while its window was shown"
