#!/usr/bin/env bash
# A second start ends at once and leaves the registry channel alone: with -Hide (as at sign-in)
# silently, without it by bringing the first instance's hidden window back. The first instance
# goes on remapping.
source "$(dirname "$0")/e2e_lib.sh"

settings '[DisableKey]' 'Index=1' 'KeyCode1=65' '[SwapKey]' 'A=B'
start_probe
start_zorvane
typed "a" "+B -B"
handle=$(reg_value 'Software\Quillon\Propertiy' Handle)

for args in "-Hide" ""; do
  started=$(date +%s)
  # shellcheck disable=SC2086
  (cd "$work" && timeout 20 wine "$(basename "$ZV_EXE")" $args) || fail "second start ($args) failed"
  [ $(($(date +%s) - started)) -lt 10 ] || fail "second start ($args) did not end at once"
  shown=$(xdotool search --onlyvisible --name '^Velmora 3\.96$' 2>/dev/null || true)
  if [ -n "$args" ]; then
    [ -z "$shown" ] || fail "second start ($args) showed a window"
  else
    [ -n "$shown" ] || fail "second start ($args) did not show the running window"
  fi
  echo "ok: second start ($args) ended${shown:+, the running window shown}"
done

[ "$(reg_value 'Software\Quillon\Propertiy' Handle)" = "$handle" ] || fail "Handle changed"
kill -0 "$zorvane_pid" || fail "the first instance ended"
click_probe "$probe_exe"  # the shown window took the focus
typed "a" "+B -B"
