#!/usr/bin/env bash
# The program in a folder whose name the system's ANSI code page cannot spell (Cyrillic, Greek,
# CJK): the manifest's UTF-8 code page lets the ANSI calls find Keydat.qnp beside the exe, so
# the hidden start activates its mappings and a key is remapped.
# Usage: utf8_path_e2e.sh zorvane.exe zv_probe.exe
source "$(dirname "$0")/../e2e/e2e_lib.sh"
source "$(dirname "$0")/shipping_lib.sh"

folder="$work/Клавиатура Ωμέγα 键盘"
mkdir -p "$folder"
cp "$ZV_EXE" "$folder/zorvane.exe"
printf '%s\r\n' '[DisableKey]' 'Index=1' 'KeyCode1=65' '[SwapKey]' 'A=B' >"$folder/Keydat.qnp"
start_probe
start_zorvane_in "$folder"
typed "a" "+B -B"
grep -q '^Sign=Zorvane' <(tr -d '\r' <"$folder/Keydat.qnp") ||
  fail "the program did not write its settings file in the folder"
echo "ok: settings file found and written in $folder"
