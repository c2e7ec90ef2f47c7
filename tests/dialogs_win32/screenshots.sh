#!/usr/bin/env bash
# Takes a screenshot of each parameter dialog and of the tip dialog under Wine on a private Xvfb
# display and writes them to docs/images/.
# Usage: tests/dialogs_win32/screenshots.sh [mingw build folder [names]]
# (names: pastetext hotkey keysequence taphold delay tip tip_150, the tip at 150 %; all by default)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/mingw}
preview="$build/tests/dialogs_win32/dialog_preview.exe"
[ -f "$preview" ] || { echo "build dialog_preview first ($preview)"; exit 1; }
source scripts/wine-session.sh
zv_wine_start
# Unmanaged, Wine draws the caption and frame itself (there is no window manager).
wine reg add 'HKCU\Software\Wine\AppDefaults\dialog_preview.exe\X11 Driver' /v Managed /d N /f \
  >/dev/null 2>&1
mkdir -p docs/images
names=("${@:2}")
[ ${#names[@]} -gt 0 ] || names=(pastetext hotkey keysequence taphold delay tip tip_150)
for name in "${names[@]}"; do
  image="docs/images/dialog_${name}.png"
  [[ $name == tip* ]] && image="docs/images/${name/tip/tip_dialog}.png"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /f /d \
    "$([[ $name == *_150 ]] && echo 144 || echo 96)" >/dev/null 2>&1
  out=$(mktemp)
  wine "$preview" "${name%_150}" 4 >"$out" 2>/dev/null &
  pid=$!
  for _ in $(seq 100); do [ -s "$out" ] && break; sleep 0.1; done
  sleep 1
  read -r x y w h <"$out"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$image"
  wait "$pid" || true
  rm -f "$out"
  echo "$image ${w}x${h}"
done
