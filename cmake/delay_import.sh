#!/bin/sh
# delay_import.sh NM DLLTOOL IMPORT_LIBRARY DLL OUTPUT: writes a delay-load import library for
# DLL with every function of the ordinary IMPORT_LIBRARY. The DLL is then loaded at its first
# call, after WinMain has limited the DLL search to the system folder, instead of by the loader
# at start, when a planted copy beside the exe (in a Downloads folder) would be found first.
set -eu
nm=$1 dlltool=$2 implib=$3 dll=$4 out=$5
def=$out.def
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  "$nm" "$implib" | sed -n 's/^.* I __imp_\(.*\)$/\1/p' | sort -u
} >"$def"
"$dlltool" --input-def "$def" --output-delaylib "$out"
