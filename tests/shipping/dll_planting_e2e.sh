#!/usr/bin/env bash
# A program started from a Downloads folder must not load DLLs that lie beside it: with a
# planted winmm.dll, powrprof.dll and wtsapi32.dll there, zorvane.exe starts, remaps a key, runs
# an action that needs the real winmm.dll (the CD tray), and the planted DLLs stay unloaded.
# Usage: dll_planting_e2e.sh zorvane.exe zv_probe.exe planted.dll
source "$(dirname "$0")/../e2e/e2e_lib.sh" "$1" "$2"
source "$(dirname "$0")/shipping_lib.sh"

folder="$work/Downloads"
mkdir -p "$folder"
cp "$ZV_EXE" "$folder/zorvane.exe"
cp "$3" "$folder/winmm.dll"
cp "$3" "$folder/powrprof.dll"
cp "$3" "$folder/wtsapi32.dll"
printf '%s\r\n' '[DisableKey]' 'Index=2' 'KeyCode1=65' 'KeyCode2=67' \
  '[SwapKey]' 'A=B' 'C=Eject cdrom driver' >"$folder/Keydat.qnp"
start_probe
# Windows looks in the exe's folder first for DLLs outside its known list; Wine prefers its own
# builtin copies unless told to look for native ones first, as here for this program only.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm,powrprof,wtsapi32=n,b" start_zorvane_in "$folder"
typed "a" "+B -B"
typed "c" ""
sleep 2
kill -0 "$zorvane_pid" 2>/dev/null || fail "zorvane.exe ended when the action loaded winmm.dll"
[ ! -e "$folder/planted.txt" ] || fail "zorvane.exe loaded a DLL planted beside it"
echo "ok: the planted DLLs were not loaded"
