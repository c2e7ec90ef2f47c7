#!/usr/bin/env bash
# Installs what is missing, builds zorvane.exe and starts it under Wine on your display.
# Arguments go to the program (scripts/run.sh -Hide starts it hidden with the mappings of
# build/mingw/src/app/Keydat.qnp active). Uses your WINEPREFIX (Wine's default when unset).
# Without a DISPLAY it starts a virtual one (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh

echo "== building zorvane.exe"
cmake -S . -B build/mingw -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/mingw --target zorvane -j "$(nproc)"
exe="$root/build/mingw/src/app/zorvane.exe"
echo "built: $exe (copy it to a folder of its own to use it on Windows)"

source scripts/wine-session.sh
if [ -z "${DISPLAY:-}" ]; then
  # Only the display is ours to clean up: the program runs in the user's own Wine prefix.
  trap 'ZV_WINEPREFIX= zv_wine_cleanup' EXIT
  zv_start_xvfb
  echo "No DISPLAY was set: started a virtual X display $DISPLAY (Xvfb). The program runs"
  echo "there, out of sight; run this from a desktop session to see its window."
fi

export WINEDEBUG=${WINEDEBUG:--all}
echo "== starting zorvane.exe $* under Wine on $DISPLAY (Ctrl+C ends it)"
cd "$(dirname "$exe")"
wine "$exe" "$@"
