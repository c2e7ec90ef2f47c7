#!/usr/bin/env bash
# Builds what a Windows user downloads into dist/: the installer zorvane-setup-VERSION.exe, the
# portable zorvane-VERSION-win64.zip and SHA256SUMS. The version comes from CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh

cmake -S . -B build/mingw -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build build/mingw --target dist -j "$(nproc)"
echo "== dist/"
cat dist/SHA256SUMS
