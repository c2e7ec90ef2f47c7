#!/usr/bin/env bash
# The installer as a user meets it, in the test session's Wine prefix: a silent install puts
# the program, the guide, the Start menu shortcut, the Apps entry and the autorun value where
# Windows looks for them; the installed program starts hidden and remaps a key; the silent
# uninstall asks the running program to exit, removes everything the program and the installer
# left behind, and keeps the user's Keydat.qnp.
# Usage: installer_e2e.sh zorvane-setup.exe zorvane.exe zv_probe.exe VERSION
setup=$1
built_exe=$2
version=$4
source "$(dirname "$0")/../e2e/e2e_lib.sh" "$built_exe" "$3"
source "$(dirname "$0")/shipping_lib.sh"

run_key_machine='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
uninst_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvane'
shortcut="$(unix_path "$(win_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")/Zorvane.lnk"
rm -rf "$dir"

# --- silent install, with the start-with-Windows choice
wine "$setup" /S /AUTORUN || fail "the installer failed"
for f in zorvane.exe user-guide.html LICENSE.txt uninstall.exe; do
  [ -f "$dir/$f" ] || fail "no $f in $dir_win"
done
cmp -s "$built_exe" "$dir/zorvane.exe" || fail "the installed exe is not the built one"
grep -q '<title>Zorvane user guide</title>' "$dir/user-guide.html" || fail "the guide is not HTML"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
strings "$shortcut" | grep -qi 'Programs\\Zorvane\\zorvane.exe' ||
  fail "the shortcut does not point at the installed exe"
[ "$(reg_sz "$uninst_key" DisplayName)" = Zorvane ] || fail "no Apps entry"
[ "$(reg_sz "$uninst_key" DisplayVersion)" = "$version" ] || fail "the Apps entry's version"
[ "$(reg_sz "$uninst_key" UninstallString)" = "\"$dir_win\\uninstall.exe\"" ] ||
  fail "UninstallString is '$(reg_sz "$uninst_key" UninstallString)'"
[ "$(reg_sz "$run_key" zorvane.exe)" = "\"$dir_win\\zorvane.exe\" -Hide" ] ||
  fail "autorun value is '$(reg_sz "$run_key" zorvane.exe)'"
echo "ok: installed into $dir_win with shortcut, Apps entry and autorun value"

# --- the installed program, started as Windows starts it at sign-in, remaps a key
printf '%s\r\n' '[DisableKey]' 'Index=1' 'KeyCode1=65' '[SwapKey]' 'A=B' >"$dir/Keydat.qnp"
start_probe
start_zorvane_in "$dir"
typed "a" "+B -B"

# What a longer use leaves behind, under both roots: recent files, channel keys, autorun.
for root in HKLM HKCU; do
  wine reg add "$root\\SOFTWARE\\Quillon\\RecentFiles" /v 1 /d 'C:\maps\home.qnp' /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Quillon\Propertiy' /v Handle /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Quillon\DisableKey' /v TempCode /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add "$run_key_machine" /v zorvane.exe /d "\"$dir_win\\zorvane.exe\" -Hide" /f \
  >/dev/null 2>&1

# Another program's window of class "TMainForm", made after Zorvane's and so found first: only
# Zorvane is asked to end.
(cd "$work" && exec wine "$(basename "$ZV_PROBE")" other.txt TMainForm) &
other_pid=$!
pids+=($other_pid)
for _ in $(seq 300); do
  grep -q '^ready' "$work/other.txt" 2>/dev/null && break
  sleep 0.2
done

# --- silent uninstall while the program runs hidden
wine "$dir/uninstall.exe" /S
for _ in $(seq 300); do
  kill -0 "$zorvane_pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$zorvane_pid" 2>/dev/null && fail "the running zorvane.exe was not ended"
status=0
wait "$zorvane_pid" || status=$?
[ "$status" = 0 ] || fail "zorvane.exe ended with status $status, not by its own exit"
kill -0 "$other_pid" 2>/dev/null || fail "the other program's TMainForm window was ended"
echo "ok: the uninstaller ended the running program the orderly way, and only that"
# The uninstaller runs from a copy of itself; it is done when it has removed the original.
for _ in $(seq 300); do
  [ -e "$dir/uninstall.exe" ] || break
  sleep 0.2
done
sleep 1
typed "a" "+A -A"
for f in zorvane.exe user-guide.html LICENSE.txt uninstall.exe; do
  [ -e "$dir/$f" ] && fail "$f is still installed"
done
grep -q 'A=B' "$dir/Keydat.qnp" 2>/dev/null || fail "Keydat.qnp was not kept"
[ -e "$shortcut" ] && fail "the Start menu shortcut is still there"
key_exists "$uninst_key" && fail "the Apps entry is still there"
for key in "$run_key" "$run_key_machine"; do
  [ -z "$(reg_sz "$key" zorvane.exe)" ] || fail "autorun value left in $key"
done
for root in HKLM HKCU; do
  for key in 'Software\Quillon\Propertiy' 'Software\Quillon\DisableKey' \
             'SOFTWARE\Quillon\RecentFiles'; do
    key_exists "$root\\$key" && fail "$root\\$key is still there"
  done
done
echo "ok: uninstalled; Keydat.qnp kept"

# --- a save cut short left the settings only under the backup name: the uninstall keeps it
wine "$setup" /S || fail "the second install failed"
mv "$dir/Keydat.qnp" "$dir/Keydat.qnp.bak"
wine "$dir/uninstall.exe" /S
for _ in $(seq 300); do
  [ -e "$dir/uninstall.exe" ] || break
  sleep 0.2
done
grep -q 'A=B' "$dir/Keydat.qnp.bak" 2>/dev/null || fail "Keydat.qnp.bak, the only copy, was removed"
echo "ok: uninstalled; Keydat.qnp.bak kept"
