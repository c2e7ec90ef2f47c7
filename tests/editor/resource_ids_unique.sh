#!/usr/bin/env bash
# The windows' resource headers share one program: a number defined twice makes one dialog load
# another's template (the main window's panel and the tip dialog once both had 2000).
set -euo pipefail
dupes=$(grep -h '^#define [A-Za-z_0-9]* [0-9]' "$1"/*_res.h | awk '{print $3}' | sort | uniq -d)
if [ -n "$dupes" ]; then
  echo "ids defined twice: $dupes"
  grep -n "$(echo "$dupes" | head -n1)" "$1"/*_res.h
  exit 1
fi
echo "ok: $(grep -h '^#define [A-Za-z_0-9]* [0-9]' "$1"/*_res.h | wc -l) ids, each once"
