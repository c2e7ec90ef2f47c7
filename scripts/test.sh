#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows targets and runs every test:
# the native suite, a short fuzz run, and the Windows suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

scripts/setup.sh

echo "== native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

echo "== fuzzing"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DZV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j "$jobs"
for f in build/fuzz/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  echo "-- $(basename "$f")"
  "$f" -max_total_time="${ZV_FUZZ_SECONDS:-15}" -print_final_stats=0 2>&1 | tail -n 2
done

echo "== windows build and tests under wine"
cmake -S . -B build/mingw -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/mingw -j "$jobs"
source scripts/wine-session.sh
zv_wine_start
ctest --test-dir build/mingw --output-on-failure
