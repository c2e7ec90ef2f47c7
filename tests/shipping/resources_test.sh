#!/usr/bin/env bash
# Reads the built zorvane.exe's resources back with a PE reader (wrestool) and checks what
# Windows will see: a well-formed manifest with the settings Windows acts on, a version
# resource that carries the project's version, and the two icons with the program icon first.
# Usage: resources_test.sh zorvane.exe VERSION
set -euo pipefail
exe=$1
version=$2
work=$(mktemp -d /tmp/zv-res.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# --- manifest: resource type 24, id 1 (the one the loader reads for a process)
wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest.xml"
[ -s "$work/manifest.xml" ] || fail "no manifest resource 1"
xmllint --noout "$work/manifest.xml" || fail "the manifest is not well-formed XML"
xpath() { xmllint --xpath "$1" "$work/manifest.xml" 2>/dev/null || true; }
el() { echo "*[local-name()='$1']"; }
[ "$(xpath "string(//$(el requestedExecutionLevel)/@level)")" = asInvoker ] || fail "not asInvoker"
[ "$(xpath "string(//$(el dependentAssembly)/$(el assemblyIdentity)/@name)")" = \
  Microsoft.Windows.Common-Controls ] || fail "no common controls dependency"
[ "$(xpath "string(//$(el dependentAssembly)/$(el assemblyIdentity)/@version)")" = 6.0.0.0 ] ||
  fail "common controls are not version 6"
[ "$(xpath "normalize-space(//$(el dpiAwareness))")" = "PerMonitorV2, PerMonitor" ] ||
  fail "dpiAwareness is '$(xpath "string(//$(el dpiAwareness))")'"
[ "$(xpath "normalize-space(//$(el dpiAware))")" = true/pm ] || fail "no dpiAware fallback"
[ "$(xpath "normalize-space(//$(el activeCodePage))")" = UTF-8 ] || fail "no UTF-8 code page"
[ "$(xpath "string(/$(el assembly)/$(el assemblyIdentity)/@version)")" = "$version.0" ] ||
  fail "the manifest's assembly version is not $version.0"
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
          1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  [ "$(xpath "count(//$(el supportedOS)[@Id='{$os}'])")" = 1 ] || fail "supportedOS $os missing"
done
echo "ok: manifest"

# --- version resource: the fixed part holds the numbers, the strings the texts
wrestool -x --raw --type=16 "$exe" >"$work/version.bin"
IFS=. read -r major minor patch <<<"$version"
# VS_FIXEDFILEINFO: signature FEEF04BD, structure version, then file version MS and LS.
fixed=$(od -An -tx4 -v -w4 "$work/version.bin" | tr -d ' ' | grep -A3 -x feef04bd | tr '\n' ' ')
want=$(printf 'feef04bd 00010000 %08x %08x' $(((major << 16) | minor)) $((patch << 16)))
[ "${fixed% }" = "$want" ] || fail "fixed file info '$fixed', expected '$want'"
strings -el "$work/version.bin" >"$work/version.txt"
value_of() { awk -v k="$1" 'found {print; exit} $0 == k {found = 1}' "$work/version.txt"; }
[ "$(value_of ProductName)" = Zorvane ] || fail "ProductName is '$(value_of ProductName)'"
[ "$(value_of ProductVersion)" = "$version" ] || fail "ProductVersion '$(value_of ProductVersion)'"
[ "$(value_of FileVersion)" = "$version" ] || fail "FileVersion '$(value_of FileVersion)'"
[ -n "$(value_of FileDescription)" ] || fail "no FileDescription"
echo "ok: version $version"

# --- icons: 101 the program icon (the lowest id, which Explorer shows), 102 its grey twin
groups=$(wrestool -l --type=14 "$exe" | sed -n 's/.*--name=\([0-9]*\).*/\1/p' | tr '\n' ' ')
[ "$groups" = "101 102 " ] || fail "icon groups are '$groups', expected 101 and 102"
for id in 101 102; do
  wrestool -x --type=14 --name=$id "$exe" >"$work/$id.ico"
  sizes=$(icotool -l "$work/$id.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
  [ "$sizes" = "16 20 24 32 40 48 64 128 256 " ] || fail "icon $id has sizes '$sizes'"
  icotool -x -w 32 -o "$work/$id.png" "$work/$id.ico"
done
saturation() { convert "$1" -colorspace HSL -channel G -separate -format '%[fx:mean]' info:; }
awk -v c="$(saturation "$work/101.png")" -v g="$(saturation "$work/102.png")" \
  'BEGIN { exit !(c > 0.2 && g < 0.02) }' || fail "icon 102 is not the greyed icon 101"
echo "ok: icons"
