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

xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$display_file")"
  rm -f "$display_file"
  echo "No DISPLAY was set: started a virtual X display $DISPLAY (Xvfb). The program runs"
  echo "there, out of sight; run this from a desktop session to see its window."
fi

export WINEDEBUG=${WINEDEBUG:--all}
echo "== starting zorvane.exe $* under Wine on $DISPLAY (Ctrl+C ends it)"
cd "$(dirname "$exe")"
wine "$exe" "$@"
