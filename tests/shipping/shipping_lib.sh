# Sourced by the shipping tests after tests/e2e/e2e_lib.sh.

# start_zorvane_in FOLDER: starts FOLDER/zorvane.exe -Hide as Windows starts it at sign-in
# (from its own folder) and waits until it has published its window; its pid is zorvane_pid.
start_zorvane_in() {
  local folder=$1
  wine reg delete 'HKLM\Software\Quillon' /f >/dev/null 2>&1 || true
  (cd "$folder" && exec wine "$folder/zorvane.exe" -Hide) &
  zorvane_pid=$!
  pids+=($zorvane_pid)
  local deadline=$((SECONDS + 60))
  while [ "$(reg_value 'Software\Quillon\Propertiy' Handle)" = none ]; do
    kill -0 "$zorvane_pid" 2>/dev/null || fail "zorvane.exe in $folder ended at start"
    [ $SECONDS -lt $deadline ] || fail "zorvane.exe in $folder published no window"
    sleep 0.2
  done
  sleep 0.5
}
