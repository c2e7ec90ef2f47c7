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

win_env() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
reg_sz() {  # key value -> the string, empty when absent
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_SZ *//p"
}
key_exists() { wine reg query "$1" >/dev/null 2>&1; }

# Where the installer puts things for the user of the test prefix.
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
dir_win="$(win_env LOCALAPPDATA)\\Programs\\Zorvane"
dir=$(unix_path "$dir_win")
# A machine-wide autorun value another test left (the tray's "Start ... when Windows starts")
# makes the installer write no value of its own: each shipping test starts without it.
wine reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v zorvane.exe /f \
  >/dev/null 2>&1 || true
