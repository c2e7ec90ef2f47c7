#!/usr/bin/env bash
# Takes docs/images/main_window_150.png: the main window at 150 % DPI under Wine on a private
# Xvfb display, checked for clipped text on the way. Usage: tests/shipping/screenshots.sh [mingw build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/mingw}
for f in src/app/zorvane.exe tests/shipping/zv_text_fit.exe; do
  [ -f "$build/$f" ] || { echo "build $f first"; exit 1; }
done
source scripts/wine-session.sh
zv_wine_start
mkdir -p docs/images
ZV_SCREENSHOTS=docs/images bash tests/shipping/dpi_e2e.sh "$build/src/app/zorvane.exe" \
  "$build/tests/shipping/zv_text_fit.exe"
echo "docs/images/main_window_150.png"
