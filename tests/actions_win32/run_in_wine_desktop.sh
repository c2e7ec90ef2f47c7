#!/usr/bin/env bash
# Runs a Windows test program inside a Wine virtual desktop of 1024x768 pixels, where the
# desktop window exists and repaints, and reports its result: explorer's own exit code says
# nothing about the program, so the program's XML report decides.
set -u
exe=$1
shift
report=$(mktemp --suffix=.xml)
trap 'rm -f "$report"' EXIT
wine explorer /desktop=zorvane-test,1024x768 "$exe" --gtest_output="xml:$(winepath -w "$report")" "$@"
grep -Eq '<testsuites tests="[1-9][0-9]*" failures="0" disabled="0" errors="0"' "$report"
