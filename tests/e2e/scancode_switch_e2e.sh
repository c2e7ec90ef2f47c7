#!/usr/bin/env bash
# zorvane.exe -WriteScancodeMap <HEX> beside a running instance: a well-formed value lands in
# Windows' key map as REG_BINARY; anything else is refused with a message box, writes nothing
# and ends with a non-zero exit code.
source "$(dirname "$0")/e2e_lib.sh"

layout='HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layout'
stored_map() {  # the value as "TYPE HEX", or "none"
  local out
  out=$(wine reg query "$layout" /v "Scancode Map" 2>/dev/null | tr -d '\r' |
    awk '$1 == "Scancode" && $2 == "Map" {print $3, $4}')
  echo "${out:-none}"
}
trap 'wine reg delete "$layout" /v "Scancode Map" /f >/dev/null 2>&1 || true; e2e_cleanup' EXIT

# Windows always has the key; the program never creates it.
wine reg add "$layout" /f >/dev/null 2>&1
wine reg delete "$layout" /v "Scancode Map" /f >/dev/null 2>&1 || true
cp "$ZV_EXE" "$work/"
settings '[DisableKey]' 'Index=0'
start_zorvane  # the normal instance holds the single-instance mutex meanwhile

write_map() {  # arguments after the switch -> the exit code
  local rc=0
  # shellcheck disable=SC2068
  (cd "$work" && timeout 60 wine "$(basename "$ZV_EXE")" -WriteScancodeMap $@) || rc=$?
  echo "$rc"
}

caps_to_ctrl=0000000000000000020000001D003A0000000000
[ "$(write_map $caps_to_ctrl)" = 0 ] || fail "a valid value was not written"
[ "$(stored_map)" = "REG_BINARY $caps_to_ctrl" ] || fail "stored: $(stored_map)"
echo "ok: written beside the running instance"

# Each refusal shows one message box; Enter answers it. The running instance has a window of
# that name too: only a new one counts.
others=$(xdotool search --name '^Zorvane$' 2>/dev/null || true)
# (The Wine unit test test_scancode_win32 goes through every kind of refusal.)
for bad in "" "${caps_to_ctrl,,}" 0000000000000000020000001D003A00000000FF; do
  rc_file=$(mktemp -p "$work")
  # shellcheck disable=SC2086
  (
    rc=0
    (cd "$work" && timeout 60 wine "$(basename "$ZV_EXE")" -WriteScancodeMap $bad) || rc=$?
    echo "$rc" >"$rc_file"
  ) &
  # The box may take keys only a moment after it shows: press Enter until the program ends.
  answered=0
  for _ in $(seq 150); do
    [ -s "$rc_file" ] && break
    box=$(xdotool search --onlyvisible --name '^Zorvane$' 2>/dev/null |
      grep -vxF "${others:-none}" | head -n1 || true)
    if [ -n "$box" ]; then
      sleep 0.5
      xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
      answered=1
    fi
    sleep 0.3
  done
  [ "$answered" = 1 ] || fail "no message box for '$bad'"
  rc=$(cat "$rc_file")
  [ -n "$rc" ] && [ "$rc" != 0 ] || fail "'$bad' ended with '$rc'"
  [ "$(stored_map)" = "REG_BINARY $caps_to_ctrl" ] || fail "'$bad' changed the value"
  echo "ok: refused '${bad:0:16}...' (exit $rc)"
done
kill -0 "$zorvane_pid" || fail "the running instance ended"
